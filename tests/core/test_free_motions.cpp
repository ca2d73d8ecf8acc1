// The mechanism diagnosis: which nodes and directions a structure is free to
// move in. (After a failed solution the analysis logs them: see the analysis
// driver's tests.)
#include "analysis/FreeMotions.h"
#include "core/Fixtures.h"

#include <gtest/gtest.h>

namespace {

struct NodeRow {
    float x, y, cx = 0, cy = 0;
};

// Nodes, then bars of group 1 (E A = 1000) between them.
Model build(std::initializer_list<NodeRow> nodes, std::initializer_list<std::pair<int, int>> bars)
{
    Model m;
    truss::group(m, 1000, 1);
    for (const NodeRow &n : nodes)
        truss::node(m, n.x, n.y, n.cx, n.cy);
    for (const auto &[i, j] : bars)
        truss::element(m, i, j);
    return m;
}

// A right triangle on a pin and a roller: stable.
const std::initializer_list<NodeRow> kTriangle = {{0, 0, 1, 1}, {4, 0, 0, 1}, {0, 3}};
const std::initializer_list<std::pair<int, int>> kTriangleBars = {{1, 2}, {2, 3}, {3, 1}};
// Four bars round a square on a pin and a roller, with no diagonal.
Model squarePanel()
{
    return build({{0, 0, 1, 1}, {1, 0, 0, 1}, {1, 1}, {0, 1}}, {{1, 2}, {2, 3}, {3, 4}, {4, 1}});
}
Model rotatingBar() { return build({{0, 0, 1, 1}, {3, 4}}, {{1, 2}}); }

// A braced girder of 100 nodes and 197 bars, 49.5 long and 1 deep; on a
// pin and a roller at its ends when supported.
Model girder(bool supported)
{
    Model m = build({}, {});
    for (int k = 0; k < 100; ++k)
        truss::node(m, float(k / 2) + 0.5f * float(k % 2), float(k % 2));
    for (int b = 1; b < 100; b += 2)
        for (const auto &[i, j] : {std::pair{b, b + 1}, {b, b + 2}, {b + 1, b + 3}, {b + 1, b + 2}})
            if (j == b + 1 || b + 2 < 100)
                truss::element(m, i, j);
    m.nodes[1].cx = m.nodes[1].cy = m.nodes[99].cy = supported;
    return m;
}

} // namespace

TEST(FreeMotions, NameTheNodesAndDirectionsThatMove)
{
    Model freeNode = build(kTriangle, kTriangleBars);
    truss::node(freeNode, 6, 6);
    // Held in y by a spring of 1e-6 beside a bar of 500.
    Model hanging = build({{0, 0, 1, 1}, {2, 0}}, {{1, 2}});
    truss::spring(hanging, 2, 0, 1e-6f);
    const struct {
        const char *what;
        Model model;
        QStringList lines;
    } rows[] = {
        {"free node", freeNode, {"Free motion 1: node #4 in x", "Free motion 2: node #4 in y"}},
        {"rotating bar", rotatingBar(), {"Free motion 1: node #2 in x and y"}},
        {"hanging bar", hanging, {"Free motion 1: node #2 in y"}},
        {"square panel", squarePanel(), {"Free motion 1: node #3 in x, node #4 in x"}},
        {"floating triangle",
         build({{0, 0}, {4, 0}, {0, 3}}, kTriangleBars),
         {"Free motion 1: node #1 in x, node #2 in x, node #3 in x",
          "Free motion 2: node #1 in y, node #3 in x and y",
          "Free motion 3: node #2 in y, node #3 in x"}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(freeMotionLines(findFreeMotions(row.model)), row.lines) << row.what;
}

TEST(FreeMotions, StableTrussesHaveNone)
{
    // Members a million times softer than the others hold node 3 in place;
    // node 4 hangs on a spring.
    Model stiffAndSoft = build(kTriangle, {{1, 2}, {3, 1}});
    truss::group(stiffAndSoft, 1e-3, 1);
    truss::element(stiffAndSoft, 2, 3, 2);
    truss::node(stiffAndSoft, 6, 3);
    truss::element(stiffAndSoft, 3, 4);
    truss::spring(stiffAndSoft, 4, 0, 0.5);
    Model fixed = build({{0, 0, 1, 1}}, {});
    Model refused = squarePanel();
    refused.elements[1].nj = 9;
    const Model models[] = {build(kTriangle, kTriangleBars), stiffAndSoft, girder(true), fixed,
                            refused};
    for (std::size_t i = 0; i < std::size(models); ++i)
        EXPECT_TRUE(findFreeMotions(models[i]).empty()) << "model " << i;
    // Unsupported, the capacity girder slides both ways and turns.
    EXPECT_EQ(findFreeMotions(girder(false)).size(), 3u);
}
