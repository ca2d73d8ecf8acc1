// The model drawing on a recording canvas: support symbols and their label
// shifts, loads, element labels, springs and the grid with its
// density notice.
//
// The default view (scale 100, offsets -2 and 2, area 20 x 15 cm) puts model
// point (x, y) at screen (x + 2, 13 - y).
#include "drawing/RecordingCanvas.h"
#include "drawing/Sxediastika.h"
#include "drawing/ViewOps.h"
#include "workspace/Workspace.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr double kTol = 1e-9;

using Seg = std::array<double, 4>;

int addNode(Model &m, float x, float y, float cx = 0, float cy = 0)
{
    const int n = ++m.nodeCount;
    m.nodes[n] = Node{x, y, cx, cy, 0, 0};
    return n;
}

int addElement(Model &m, int i, int j, int group = 1)
{
    const int e = ++m.elementCount;
    m.elements[e] = Element{float(i), float(j), float(group)};
    return e;
}

struct DrawingTest : testing::Test {
    Workspace ws;
    RecordingCanvas canvas{20, 15};

    void SetUp() override
    {
        ws.view.resetHistory();
        canvas.setFontSize(7); // as the axes layer leaves it for every label
    }

    void expectLine(const Seg &s)
    {
        EXPECT_TRUE(canvas.findLine(s[0], s[1], s[2], s[3], 1e-9))
            << "line (" << s[0] << ", " << s[1] << ") - (" << s[2] << ", " << s[3] << ")";
    }
    void expectTextAt(const QString &text, double x, double y)
    {
        const auto t = canvas.findText(text);
        ASSERT_TRUE(t) << "text '" << text.toStdString() << "'";
        EXPECT_NEAR(t->x, x, kTol) << text.toStdString();
        EXPECT_NEAR(t->y, y, kTol) << text.toStdString();
    }
    int redLogLines(const QString &text) const
    {
        int n = 0;
        for (const LogEntry &e : ws.log.entries())
            n += e.text == text && e.colour == LogRed && !e.bold;
        return n;
    }
};

} // namespace

struct SupportCase {
    std::string name;
    float cx, cy;
    std::vector<std::array<float, 2>> others; // each joined to node 1
    std::vector<Seg> lines;                   // a sample of the symbol
    int symbolLines;
    std::optional<std::array<double, 2>> roller; // centre of the 0.1 circle
    double labelX;
};

// Node 1 sits at model (3, 3), screen (5, 10).
TEST_F(DrawingTest, SupportSymbolsStayAwayFromTheElements)
{
    // clang-format off
    const std::vector<SupportCase> cases = {
        {"x roller, elements all to the right: symbol left, label unshifted", 1, 0, {{6, 3}, {6, 5}},
         {{5, 10, 4.75, 10.25}, {5, 10, 4.75, 9.75}, {4.75, 9.75, 4.75, 10.25}, {4.55, 9.75, 4.55, 10.25},
          {4.55, 10.25, 4.40, 10.10}, {4.55, 9.85, 4.40, 9.70}},
         9, std::array<double, 2>{4.65, 10}, 5.0},
        {"x roller, elements to the left: symbol right, label left", 1, 0, {{0, 3}},
         {{5, 10, 5.25, 10.25}, {5.25, 9.75, 5.25, 10.25}, {5.45, 9.75, 5.45, 10.25}, {5.45, 10.05, 5.60, 9.90}},
         9, std::array<double, 2>{5.35, 10}, 4.7},
        {"y roller, elements above: symbol below, label right", 0, 1, {{3, 6}, {1, 5}},
         {{5, 10, 5.25, 10.25}, {5, 10, 4.75, 10.25}, {4.75, 10.25, 5.25, 10.25}, {4.75, 10.45, 5.25, 10.45},
          {4.85, 10.45, 4.70, 10.60}, {5.25, 10.45, 5.10, 10.60}},
         9, std::array<double, 2>{5, 10.35}, 5.15},
        {"y roller, elements below: symbol above, label unshifted", 0, 1, {{3, 0}},
         {{5, 10, 5.25, 9.75}, {4.75, 9.55, 5.25, 9.55}, {4.85, 9.55, 4.70, 9.40}}, 9,
         std::array<double, 2>{5, 9.65}, 5.0},
        {"pin, elements above: below without a circle", 1, 1, {{3, 6}},
         {{5, 10, 5.25, 10.25}, {5, 10, 4.75, 10.25}, {4.75, 10.25, 5.25, 10.25}, {4.85, 10.25, 4.70, 10.40},
          {5.25, 10.25, 5.10, 10.40}},
         8, std::nullopt, 5.15},
        {"pin, elements below: above", 1, 1, {{4, 0}}, {{4.75, 9.75, 5.25, 9.75}, {4.85, 9.75, 4.70, 9.60}}, 8,
         std::nullopt, 5.0},
        {"free node: no symbol", 0, 0, {{3, 6}}, {}, 0, std::nullopt, 5.0},
    };
    // clang-format on
    for (const SupportCase &c : cases) {
        SCOPED_TRACE(c.name);
        Workspace ws2;
        ws2.settings.nai_graf_stir = true;
        ws2.settings.nai_desmefseis = true;
        Model &m = ws2.model;
        addNode(m, 3, 3, c.cx, c.cy);
        for (const auto &p : c.others)
            addElement(m, 1, addNode(m, p[0], p[1]));
        canvas.reset();
        DrawNode(ws2, canvas, 1);

        for (const Seg &s : c.lines)
            expectLine(s);
        EXPECT_EQ(canvas.lines().size(), c.symbolLines);
        for (const auto &l : canvas.lines()) {
            EXPECT_EQ(l.colour, 16711680u);
            EXPECT_EQ(l.width, 1);
        }
        if (c.roller) {
            EXPECT_TRUE(canvas.findCircle((*c.roller)[0], (*c.roller)[1], 0.1, 1e-9));
        }
        EXPECT_EQ(canvas.circles().size(), c.roller ? 2 : 1); // and the node itself
        expectTextAt("1", c.labelX, 10);
    }
}

TEST_F(DrawingTest, NodalLoadsPointAtTheNodeWithTheirValues)
{
    struct Case {
        float fx, fy;
        Seg shaft, barb;
        QString value;
        double valueX, valueY;
    };
    const std::vector<Case> cases = {
        {5, 0, {3.8, 10, 5, 10}, {5, 10, 4.65, 10.06}, " 5 ", 4.2, 10.1},
        {-2.5f, 0, {6.2, 10, 5, 10}, {5, 10, 5.35, 10.06}, " 2.5 ", 5.4, 10.1},
        {0, -0.125f, {5, 8.8, 5, 10}, {5, 10, 5.06, 9.65}, " 0.125 ", 5.1, 9.4},
        {0, 1e8f, {5, 11.2, 5, 10}, {5, 10, 5.06, 10.35}, " 1E+08 ", 5.1, 10.3},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.value.toStdString());
        ws.model = Model{};
        addNode(ws.model, 3, 3);
        ws.model.nodes[1].fx = c.fx;
        ws.model.nodes[1].fy = c.fy;
        canvas.reset();
        canvas.setLineWidth(1);
        DrawNodalLoads(ws, canvas);
        expectLine(c.shaft);
        expectLine(c.barb);
        EXPECT_EQ(canvas.lines().size(), 4); // shaft and a closed head
        for (const auto &l : canvas.lines()) {
            EXPECT_EQ(l.colour, 41984u);
            EXPECT_EQ(l.width, 2);
        }
        expectTextAt(c.value, c.valueX, c.valueY);
        EXPECT_EQ(canvas.lineWidth(), 1);
    }
}

TEST_F(DrawingTest, ElementLabelsAndLengths)
{
    // Nodes (0, 0) and (2, 2): midpoint (1, 1) on screen (3, 12).
    addNode(ws.model, 0, 0);
    addNode(ws.model, 2, 2);
    addElement(ws.model, 1, 2, 1);
    addElement(ws.model, 2, 1, 2);
    addElement(ws.model, 1, 2, 1);

    struct Case {
        int element;
        bool numbering, groups, lengths, lines;
        QString label, length;
    };
    const std::vector<Case> cases = {
        {2, false, true, false, true, " (2)", ""},
        {3, true, true, true, true, " 3 (1)", "2.8284 "},
        {1, false, false, true, false, "", "2.8284 "},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label.toStdString() + "|" + c.length.toStdString());
        ws.settings.nai_arithmisi_stoixeion = c.numbering;
        ws.settings.nai_omades = c.groups;
        ws.settings.nai_miki = c.lengths;
        ws.settings.nai_stoixeia = c.lines;
        canvas.reset();
        canvas.setFontSize(7);
        DrawElement(ws, canvas, c.element, 255.0, 3);

        ASSERT_EQ(canvas.texts().size(), 2); // both lines, even when empty
        const auto &label = canvas.texts()[0];
        const auto &length = canvas.texts()[1];
        EXPECT_EQ(label.text, c.label);
        EXPECT_EQ(length.text, c.length);
        EXPECT_NEAR(label.x, 3, kTol);
        EXPECT_NEAR(label.y, 12, kTol);
        EXPECT_NEAR(length.x, 3, kTol);
        EXPECT_NEAR(length.y, 12.3, kTol); // one 7-point line lower
        ASSERT_EQ(canvas.lines().size(), c.lines ? 1 : 0);
        if (c.lines) {
            expectLine({2, 13, 4, 11});
            EXPECT_EQ(canvas.lines()[0].width, 3);
        }
    }
}

TEST_F(DrawingTest, SpringsZigZagFromTheNode)
{
    addNode(ws.model, 3, 3);
    struct Case {
        float kx, ky;
        bool shown;
        std::vector<Seg> lines;
        int count;
    };
    const std::vector<Case> cases = {
        {10,
         0,
         true,
         {{5, 10, 5.2, 10}, {5.2, 10, 5.24, 10.2}, {5.24, 10.2, 5.32, 9.8}, {5.68, 10, 5.88, 10}},
         9},
        {0,
         4,
         true,
         {{5, 10, 5, 10.2}, {5, 10.2, 5.2, 10.24}, {5.2, 10.24, 4.8, 10.32}, {5, 10.68, 5, 10.88}},
         9},
        {1, 1, true, {{5.68, 10, 5.88, 10}, {5, 10.68, 5, 10.88}}, 18},
        {1, 1, false, {}, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.kx << "," << c.ky << "," << c.shown);
        ws.model.springs[1] = Spring{c.kx, c.ky};
        ws.settings.nai_springs = c.shown;
        canvas.reset();
        DrawNode(ws, canvas, 1);
        for (const Seg &s : c.lines)
            expectLine(s);
        EXPECT_EQ(canvas.lines().size(), c.count);
    }
}

TEST_F(DrawingTest, GridLinesFallOnWholeMultiplesOfTheStep)
{
    struct Case {
        float step;
        float scale;
        double offsetX, offsetY;
    };
    const std::vector<Case> cases = {
        {1, 100, -2.3, 1.6}, {2.5f, 50, 3.7, -4.1}, {0.5f, 400, 0.05, 0.95}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "step " << c.step << " scale " << c.scale);
        ws.settings.kannab = c.step;
        ws.view.scale = c.scale;
        ws.view.offsetX = c.offsetX;
        ws.view.offsetY = c.offsetY;
        const double p = c.step * 100.0 / c.scale;
        canvas.reset();
        DrawGrid(ws, canvas);

        int vertical = 0, horizontal = 0;
        for (const auto &l : canvas.lines()) {
            EXPECT_EQ(l.colour, 14737632u);
            if (l.x1 == l.x2) {
                ++vertical;
                EXPECT_NEAR(l.y1, 0, kTol);
                EXPECT_NEAR(l.y2, 15, kTol);
                const double units = ws.view.ToWorldX(l.x1) / c.step;
                EXPECT_NEAR(units, std::round(units), 1e-6);
            } else {
                ++horizontal;
                EXPECT_NEAR(l.x1, 0, kTol);
                EXPECT_NEAR(l.x2, 20, kTol);
                const double units = ws.view.ToWorldY(l.y1) / c.step;
                EXPECT_NEAR(units, std::round(units), 1e-6);
            }
        }
        EXPECT_EQ(vertical, int(std::floor(20 / p)) + 1);
        EXPECT_EQ(horizontal, int(std::nearbyint(15 / p)) + 1);
    }
    ws.settings.nai_grid = false;
    canvas.reset();
    DrawGrid(ws, canvas);
    EXPECT_TRUE(canvas.lines().empty());
}

// The density notice is written once, when a zoom makes the grid too dense,
// and not on every later redraw of that view.
TEST_F(DrawingTest, DenseGridNoticeIsWrittenOncePerZoom)
{
    const QString notice = "Grid to dense to display.";
    RedrawDrawingArea(ws, canvas);
    EXPECT_EQ(redLogLines(notice), 0);

    ws.view.scale = 1100.0f; // a step of 1 is 0.0909 cm
    PushView(ws.view);
    RedrawDrawingArea(ws, canvas);
    EXPECT_EQ(redLogLines(notice), 1);
    for (const auto &l : canvas.lines())
        EXPECT_NE(l.colour, 14737632u) << "no grid line";
    RedrawDrawingArea(ws, canvas);
    EXPECT_EQ(redLogLines(notice), 1);

    // Back to a visible grid, then a new zoom in writes it again.
    zoomPrevious(ws.view);
    RedrawDrawingArea(ws, canvas);
    EXPECT_EQ(redLogLines(notice), 1);
    ws.view.scale = 1500.0f;
    PushView(ws.view);
    RedrawDrawingArea(ws, canvas);
    EXPECT_EQ(redLogLines(notice), 2);

    // A fresh history (a newly opened model) says nothing either.
    Workspace fresh;
    fresh.view.scale = 1100.0f;
    fresh.view.resetHistory();
    RedrawDrawingArea(fresh, canvas);
    EXPECT_TRUE(fresh.log.entries().isEmpty());
}

// Element rows that point outside the node table are skipped, never read.
TEST_F(DrawingTest, BrokenElementReferencesAreSkipped)
{
    addNode(ws.model, 0, 0, 1, 1);
    addNode(ws.model, 1, 0);
    addElement(ws.model, 1, 2);
    addElement(ws.model, 1, 7);
    addElement(ws.model, 0, 2);
    ws.model.elements[4] = Element{-30000, 1e9f, 1};
    ws.model.elementCount = 4;
    RedrawDrawingArea(ws, canvas);
    QuickRedraw(ws, canvas);
    EXPECT_EQ(canvas.lines().size(), 8 + 1);
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
            const int n = addNode(ws.model, float(ws.model.nodeCount % 10), 3, cx, cy);
            ws.model.springs[n] = Spring{-5, cx < 0 ? -3e38f : cx};
            if (n > 1)
                addElement(ws.model, n - 1, n);
        }
    }
    ws.settings.nai_sint_kombon = true;
    for (bool graphically : {true, false}) {
        ws.settings.nai_graf_stir = graphically;
        canvas.reset();
        RedrawDrawingArea(ws, canvas);
        EXPECT_GT(canvas.lines().size(), 0);
        for (const auto &l : canvas.lines()) {
            EXPECT_TRUE(std::isfinite(l.x1) && std::isfinite(l.y1) && std::isfinite(l.x2)
                        && std::isfinite(l.y2));
        }
        for (const auto &c : canvas.circles())
            EXPECT_TRUE(std::isfinite(c.cx) && std::isfinite(c.cy) && std::isfinite(c.radius));
        for (const auto &t : canvas.texts())
            EXPECT_TRUE(std::isfinite(t.x) && std::isfinite(t.y)) << t.text.toStdString();
    }
    // Marked symbolically, only a flag of exactly 1 is fixed (node 7: 2 and 1;
    // node 44: 1 and -1).
    EXPECT_TRUE(canvas.findText(QStringLiteral("7 ox")));
    EXPECT_TRUE(canvas.findText(QStringLiteral("44 xo")));
    EXPECT_FALSE(canvas.findText(QStringLiteral("1 xx")));
}
