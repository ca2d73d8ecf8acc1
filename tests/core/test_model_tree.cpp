// The model tree of the data and results window: every entry's level, key,
// text and weight, in order.
#include "Fixtures.h"
#include "reports/ModelTree.h"

#include <gtest/gtest.h>

namespace {

using namespace truss;

// One line per entry: two spaces per level, the key in brackets, the text,
// and "*" for a bold entry.
void flatten(const TreeEntry &e, int level, QStringList &out)
{
    out << QString(2 * level, QLatin1Char(' ')) + QLatin1Char('[') + e.key + QStringLiteral("] ")
            + e.text + (e.bold ? QStringLiteral(" *") : QString());
    for (const TreeEntry &child : e.children)
        flatten(child, level + 1, out);
}

QStringList lines(const Model &m)
{
    QStringList out;
    flatten(Ftiakse_treeview(m), 0, out);
    return out;
}

TEST(ModelTree, EveryItemWithItsValues)
{
    Model m;
    group(m, 210000000, 0.5);
    node(m, 0, 0, 1, 1);
    node(m, 0.5f, 3, 0, 0, 0, 5);
    node(m, 4, -2.25f, 0, 1, -1.5f, 0);
    spring(m, 3, 0.5f, 2.5f);
    element(m, 2, 3, 1);
    // Loaded nodes are numbered 1, 2, ... in node order.
    // clang-format off
    EXPECT_EQ(lines(m), (QStringList{
        "[] Model *",
        "  [omad] E,A Element Groups *",
        "    [omad1] #1 E,A Group", "      [] E = 210000000", "      [] A = 0.5",
        "  [komb] Nodes *",
        "    [komb1] #1 Node", "      [] x = 0", "      [] y = 0", "      [] Constraints: xx",
        "    [komb2] #2 Node", "      [] x = 0.5", "      [] y = 3", "      [] Free",
        "    [komb3] #3 Node", "      [] x = 4", "      [] y = -2.25", "      [] Constraints: ox",
        "      [] Kx = 0.5", "      [] Ky = 2.5",
        "  [stoi] Elements *",
        "    [stoi1] #1 Element", "      [] Start node i: 2", "      [] End node j: 3",
        "      [] Belongs to E,A group: 1",
        "  [sigk] Nodal loads *",
        "    [sigk1] #1 Nodal load", "      [] On node: #2", "      [] Fy = 5",
        "    [sigk2] #2 Nodal load", "      [] On node: #3", "      [] Fx = -1.5",
    }));
    // clang-format on
}

} // namespace
