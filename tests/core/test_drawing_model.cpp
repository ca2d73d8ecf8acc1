// The model drawing on a recording canvas: supports, loads, element labels,
// springs and the grid. The default view puts model
// point (x, y) at screen (x + 2, 13 - y).
#include "core/DrawingChecks.h"
#include "core/Fixtures.h"
#include "drawing/RecordingCanvas.h"
#include "drawing/Sxediastika.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <optional>

namespace {

using truss::element;
using truss::node;
using Seg = std::array<double, 4>;

struct DrawingTest : testing::Test {
    Workspace ws;
    RecordingCanvas canvas{20, 15};

    void SetUp() override { ws.view.resetHistory(); }
    // Draws with `draw` on a fresh canvas at the font size the axes leave.
    template <typename F>
    void draw(F &&draw)
    {
        canvas.reset();
        canvas.setFontSize(7);
        canvas.setLineWidth(1);
        draw();
    }
    void expectLines(const std::vector<Seg> &lines)
    {
        for (const Seg &s : lines)
            EXPECT_TRUE(canvas.findLine(s[0], s[1], s[2], s[3], 1e-9))
                << "line (" << s[0] << ", " << s[1] << ") - (" << s[2] << ", " << s[3] << ")";
    }
    void expectTextAt(const QString &text, double x, double y)
    {
        const auto t = canvas.findText(text);
        ASSERT_TRUE(t) << "text '" << text.toStdString() << "'";
        EXPECT_NEAR(t->x, x, 1e-9);
        EXPECT_NEAR(t->y, y, 1e-9);
    }
};

// Node 1 sits at model (3, 3), screen (5, 10); its symbol turns away from
// its elements and its label moves clear of the symbol.
TEST_F(DrawingTest, SupportSymbolsStayAwayFromTheElements)
{
    const struct {
        float cx, cy;
        std::vector<std::array<float, 2>> others; // each joined to node 1
        std::vector<Seg> lines;                   // a sample of the symbol
        int symbolLines;
        std::optional<std::array<double, 2>> roller; // centre of the 0.1 circle
        double labelX;
    } cases[] = {
        // clang-format off
        // x roller, elements right: symbol left.
        {1, 0, {{6, 3}, {6, 5}}, {{5, 10, 4.75, 10.25}, {4.75, 9.75, 4.75, 10.25}, {4.55, 9.85, 4.40, 9.70}},
         9, std::array<double, 2>{4.65, 10}, 5.0},
        // Pin, elements below: above.
        {1, 1, {{4, 0}}, {{4.75, 9.75, 5.25, 9.75}, {4.85, 9.75, 4.70, 9.60}}, 8, std::nullopt, 5.0},
        // clang-format on
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.cx << "," << c.cy);
        ws.model = Model{};
        node(ws.model, 3, 3, c.cx, c.cy);
        for (const auto &p : c.others)
            element(ws.model, 1, node(ws.model, p[0], p[1]));
        draw([&] { DrawNode(ws, canvas, 1); });
        expectLines(c.lines);
        EXPECT_EQ(canvas.lines().size(), c.symbolLines);
        EXPECT_TRUE(!c.roller || canvas.findCircle((*c.roller)[0], (*c.roller)[1], 0.1, 1e-9));
        EXPECT_EQ(canvas.circles().size(), c.roller ? 2 : 1); // and the node itself
        expectTextAt("1", c.labelX, 10);
    }
}

TEST_F(DrawingTest, NodalLoadPointsAtTheNodeWithItsValue)
{
    node(ws.model, 3, 3, 0, 0, -2.5f, 0);
    draw([&] { DrawNodalLoads(ws, canvas); });
    expectLines({{6.2, 10, 5, 10}, {5, 10, 5.35, 10.06}});
    EXPECT_EQ(canvas.lines().size(), 4); // shaft and a closed head
    expectTextAt(" 2.5 ", 5.4, 10.1);
}

// Nodes (0, 0) and (2, 2): the labels at the midpoint (1, 1), screen (3, 12),
// the length one 7-point line lower.
TEST_F(DrawingTest, ElementLabelAndLength)
{
    node(ws.model, 0, 0);
    node(ws.model, 2, 2);
    element(ws.model, 2, 1, 2);
    ws.settings.nai_arithmisi_stoixeion = ws.settings.nai_omades = ws.settings.nai_miki = true;
    ws.settings.nai_stoixeia = false;
    draw([&] { DrawElement(ws, canvas, 1, 255.0, 3); });
    ASSERT_EQ(canvas.texts().size(), 2);
    expectTextAt(" 1 (2)", 3, 12);
    expectTextAt("2.8284 ", 3, 12.3);
    EXPECT_TRUE(canvas.lines().isEmpty());
}

// Springs zig-zag from the node, in x to the right and in y downwards.
TEST_F(DrawingTest, SpringsZigZagFromTheNode)
{
    node(ws.model, 3, 3);
    ws.model.springs[1] = Spring{1, 1};
    draw([&] { DrawNode(ws, canvas, 1); });
    expectLines(
        {{5, 10, 5.2, 10}, {5.24, 10.2, 5.32, 9.8}, {5.68, 10, 5.88, 10}, {5, 10.68, 5, 10.88}});
    EXPECT_EQ(canvas.lines().size(), 18);
    ws.settings.nai_springs = false;
    draw([&] { DrawNode(ws, canvas, 1); });
    EXPECT_TRUE(canvas.lines().isEmpty());
}

TEST_F(DrawingTest, GridLinesFallOnWholeMultiplesOfTheStep)
{
    ws.settings.kannab = 2.5f;
    ws.view.scale = 50;
    ws.view.offsetX = 3.7;
    ws.view.offsetY = -4.1;
    draw([&] { DrawGrid(ws, canvas); });
    int vertical = 0;
    for (const auto &l : canvas.lines()) {
        const bool v = l.x1 == l.x2;
        vertical += v;
        EXPECT_EQ(Seg({v ? l.x1 : 0, v ? 0 : l.y1, v ? l.x1 : 20, v ? 15 : l.y1}),
                  Seg({l.x1, l.y1, l.x2, l.y2}));
        const double units = (v ? ws.view.ToWorldX(l.x1) : ws.view.ToWorldY(l.y1)) / 2.5;
        EXPECT_NEAR(units, std::round(units), 1e-6);
    }
    // One line every 5 cm: 5 across the 20 cm, 4 down the 15 cm.
    EXPECT_EQ(std::pair(vertical, int(canvas.lines().size()) - vertical), std::pair(5, 4));
    ws.settings.nai_grid = false;
    draw([&] { DrawGrid(ws, canvas); });
    EXPECT_TRUE(canvas.lines().empty());
}

// Element rows that point outside the node table are skipped, never read.
TEST_F(DrawingTest, BrokenElementReferencesAreSkipped)
{
    node(ws.model, 0, 0, 1, 1);
    node(ws.model, 1, 0);
    element(ws.model, 1, 2);
    element(ws.model, 1, 7);
    element(ws.model, 0, 2);
    ws.model.elements[++ws.model.elementCount] = Element{-30000, 1e9f, 1};
    RedrawDrawingArea(ws, canvas);
    QuickRedraw(ws, canvas);
    DrawNode(ws, canvas, 0);
    DrawNode(ws, canvas, 3);
    DrawElement(ws, canvas, 99, 0, 1);
    EXPECT_EQ(canvas.lines().size(), 8 + 1);
}

// A hand-edited file can carry constraint flags other than 0 and 1 and
// negative springs; whatever the labels and symbols shown, every primitive
// stays at a finite place.
TEST_F(DrawingTest, UnusualConstraintsAndSpringsDrawAtFinitePlaces)
{
    const float flags[] = {2, -1, 0.5f, -0.0f, 3e38f, -3e38f, 1};
    for (float cx : flags) {
        for (float cy : flags) {
            const int n = node(ws.model, float(ws.model.nodeCount % 10), 3, cx, cy);
            ws.model.springs[n] = Spring{-5, cx < 0 ? -3e38f : cx};
            if (n > 1)
                element(ws.model, n - 1, n);
        }
    }
    ws.settings.nai_sint_kombon = true;
    for (bool graphically : {true, false}) {
        ws.settings.nai_graf_stir = graphically;
        draw([&] { RedrawDrawingArea(ws, canvas); });
        EXPECT_GT(canvas.lines().size(), 0);
        EXPECT_TRUE(allFinite(canvas));
    }
    // Marked symbolically, only a flag of exactly 1 is fixed (node 7: 2 and 1;
    // node 44: 1 and -1).
    EXPECT_TRUE(canvas.findText(QStringLiteral("7 ox")));
    EXPECT_TRUE(canvas.findText(QStringLiteral("44 xo")));
    EXPECT_FALSE(canvas.findText(QStringLiteral("1 xx")));
}

} // namespace
