// The model and result views drawn on a recording canvas, and no non-finite
// number handed to the painter. The default view puts model point (x, y) at
// screen (x + 2, 13 - y).
#include "analysis/Functions_Bres_Megista.h"
#include "core/Fixtures.h"
#include "drawing/RecordingCanvas.h"
#include "drawing/ResultViews.h"
#include "drawing/Sxediastika.h"

#include <QRegularExpression>
#include <array>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

namespace {

// Whether every place and size the painter received is a finite number and
// no text shows "nan" or "inf".
bool allFinite(const RecordingCanvas &c)
{
    bool finite = true;
    for (const auto &l : c.lines())
        finite = finite && std::isfinite(l.x1 + l.y1 + l.x2 + l.y2);
    for (const auto &ci : c.circles())
        finite = finite && std::isfinite(ci.cx + ci.cy + ci.radius);
    for (const auto &t : c.texts())
        finite = finite && std::isfinite(t.x + t.y)
            && !t.text.contains(QLatin1String("nan"), Qt::CaseInsensitive)
            && !t.text.contains(QLatin1String("inf"), Qt::CaseInsensitive);
    return finite;
}

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
    } cases[] = {
        // clang-format off
        // x roller, elements right: symbol left.
        {1, 0, {{6, 3}, {6, 5}}, {{5, 10, 4.75, 10.25}, {4.75, 9.75, 4.75, 10.25}, {4.55, 9.85, 4.40, 9.70}},
         9, std::array<double, 2>{4.65, 10}},
        // Pin, elements below: above.
        {1, 1, {{4, 0}}, {{4.75, 9.75, 5.25, 9.75}, {4.85, 9.75, 4.70, 9.60}}, 8, std::nullopt},
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
        const auto label = canvas.findText(QStringLiteral("1"));
        EXPECT_TRUE(label && std::abs(label->x - 5) + std::abs(label->y - 10) < 1e-9);
    }
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
        EXPECT_TRUE(!canvas.lines().isEmpty() && allFinite(canvas));
    }
    // Marked symbolically, only a flag of exactly 1 is fixed (node 7: 2 and 1;
    // node 44: 1 and -1).
    EXPECT_TRUE(canvas.findText(QStringLiteral("7 ox")) && canvas.findText(QStringLiteral("44 xo"))
                && !canvas.findText(QStringLiteral("1 xx")));
}

constexpr std::uint32_t kWhite = 0xFFFFFF, kBlue = 0xFF0000, kRed = 0x0000FF;

std::uint32_t rgb(int r, int g, int b)
{
    return std::uint32_t(r) | std::uint32_t(g) << 8 | std::uint32_t(b) << 16;
}

struct ResultViewTest : testing::Test {
    Workspace ws;
    RecordingCanvas canvas{20, 15};

    void SetUp() override
    {
        ws.view.resetHistory();
        ws.settings.nai_grid = ws.settings.nai_aksones = false;
        ws.settings.Xroma_Afortistou = kWhite;
        ws.settings.Xroma_Efelkismou = kBlue;
        ws.settings.Xroma_Thlipsis = kRed;
        truss::group(ws.model, 1000, 2);
    }
    // An element between two new nodes, i then j, carrying the axial force n.
    void element(float xi, float yi, float xj, float yj, double n = 0)
    {
        const int i = truss::node(ws.model, xi, yi), j = truss::node(ws.model, xj, yj);
        const int e = truss::element(ws.model, i, j);
        ws.results.F[e][2] = n;
        ws.results.F[e][1] = -n;
    }
    void draw(std::int16_t mode, Canvas *legend = nullptr)
    {
        ws.results.extrema = findExtrema(ws.model, ws.results);
        ws.drawingMode = mode;
        RedrawDrawingArea(ws, canvas, RedrawExtras{legend, 0.0});
    }
};

} // namespace

// With N_sin_Ina on, tension lies on the right of i -> j (below a left-to-right
// element on the screen) and compression on the left; off mirrors both. Each
// quantity has its band's width from its own scale, its value at the middle
// of the band's outer side with its own decimals, and its legend.
TEST_F(ResultViewTest, NDiagramBandsValuesAndLegends)
{
    const struct {
        bool Settings::*show;
        bool nSinIna;
        float xj, yj;    // node j; node i at the origin, screen (2, 13)
        double n, other; // N of this element and of one below it
        double px, py;   // the band's corner at node i
        const char *value, *title, *max, *min;
    } cases[] = {
        // clang-format off
        {&Settings::Show_FORCE, true, 4, 0, 250, -0.5, 2, 15.5, " 250 ", "Axial Force", "max.= 250", "min.= -0.5"},
        {&Settings::Show_FORCE, true, 4, 0, -250, 0.5, 2, 10.5, "-250 ", "Axial Force", "max.= 0.5", "min.= -250"},
        {&Settings::Show_FORCE, false, 0, 4, 250, -0.5, -0.5, 13, " 250 ", "Axial Force", "max.= 250", "min.= -0.5"},
        {&Settings::Show_STRESS, true, 4, 0, 1.2345, -0.5, 2, 13 + 0.61725e-4, " 0.6 ", "Axial Stress", "max.= 0.6", "min.= -0.2"},
        {&Settings::Show_STRAIN, true, 4, 0, -4, 0.5, 2, 13 - 20, "-0.002 ", "Axial Strain", "max.= 0.00025", "min.= -0.002"},
        // clang-format on
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.title << " " << c.n << " " << c.nSinIna);
        ws.model.nodeCount = ws.model.elementCount = 0;
        ws.settings.Show_FORCE = ws.settings.Show_STRESS = ws.settings.Show_STRAIN = false;
        ws.settings.*c.show = true;
        ws.settings.N_sin_Ina = c.nSinIna;
        ws.settings.dekadika_N = 1;
        ws.settings.dekadika_strain = 5;
        ws.settings.nai_arithmisi_stoixeion = false;
        element(0, 0, c.xj, c.yj, c.n);
        element(0, -3, 4, -3, c.other);
        draw(ModeAxialForce);
        const double jx = 2 + c.xj, jy = 13 - c.yj, dx = c.px - 2, dy = c.py - 13;
        for (const auto &l :
             {std::array{2.0, 13.0, c.px, c.py}, std::array{c.px, c.py, jx + dx, jy + dy},
              std::array{jx + dx, jy + dy, jx, jy}})
            EXPECT_TRUE(canvas.findLine(l[0], l[1], l[2], l[3], 1e-6))
                << l[0] << "," << l[1] << " - " << l[2] << "," << l[3];
        const auto t = canvas.findText(QString::fromLatin1(c.value));
        ASSERT_TRUE(t);
        EXPECT_NEAR(t->x, (c.px + jx + dx) / 2, 1e-6);
        EXPECT_NEAR(t->y, (c.py + jy + dy) / 2, 1e-6);
        for (const char *line : {c.title, c.max, c.min})
            EXPECT_TRUE(canvas.findText(QString::fromLatin1(line))) << line;
    }
}

TEST_F(ResultViewTest, ColourDiagramInterpolatesBetweenTheThreeColours)
{
    const struct {
        double a, b;
        std::uint32_t colourA, colourB;
        double maxTick, minTick;
    } cases[] = {
        {50, -100, rgb(128, 128, 255), kRed, 1.275, 5.10}, // R = 100: half way, and compression
        {100, -50, kBlue, rgb(255, 128, 128), 0.0, 3.825},
        {0, 0, kWhite, kWhite, 2.55, 2.55}, // all unloaded: ticks at zero
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.a);
        ws.model.nodeCount = ws.model.elementCount = 0;
        element(0, 0, 4, 0, c.a);
        element(0, 2, 4, 2, c.b);
        RecordingCanvas legend(1, 5.1);
        draw(ModeColourDiagram, &legend);
        const auto a = canvas.findLine(2, 13, 6, 13), b = canvas.findLine(2, 11, 6, 11);
        ASSERT_TRUE(a && b);
        EXPECT_EQ(std::pair(a->colour, b->colour), std::pair(c.colourA, c.colourB));
        ASSERT_EQ(legend.lines().size(), 512 + 3);
        EXPECT_EQ(std::tuple(legend.lines()[0].colour, legend.lines()[255].colour,
                             legend.lines()[511].colour),
                  std::tuple(kBlue, kWhite, kRed));
        for (const double y : {c.maxTick, 2.55, c.minTick})
            EXPECT_TRUE(legend.findLine(0, y, 0.35, y, 1e-9)) << y;
    }
}

TEST_F(ResultViewTest, DeformedModelDrawsTheDisplacedElementsAndItsLegend)
{
    element(0, 0, 4, 0);
    ws.results.U[3] = 0.01;      // node 2: x
    ws.results.U[4] = -0.02;     // node 2: y; at 1000 / 100 drawn as (0.1, -0.2)
    ws.results.U[1] = 0.1234567; // node 1: x, for the legend's rounding
    draw(ModeDeformed);
    EXPECT_TRUE(canvas.findLine(2 + 1.234567, 13, 6.1, 13.2, 1e-6));
    QStringList legend;
    for (const auto &t : canvas.texts())
        if (std::abs(t.x - 0.1) < 1e-12)
            legend << t.text;
    EXPECT_EQ(legend, (QStringList{"D", "max.= 0.123457", "max.|x|= 0.123457", "max.|y|= 0.02"}));
}

// Whatever state the model and its results are in, every coordinate the
// painter receives is a finite number.
TEST(ResultViews, NoNonFiniteNumberReachesThePainter)
{
    // clang-format off
    const struct {
        const char *name;
        std::function<void(Workspace &)> spoil;
    } cases[] = {
        {"element of zero length", [](Workspace &w) { w.model.nodes[2] = w.model.nodes[1]; }},
        {"group with A = 0, stress", [](Workspace &w) { w.model.groups[1].A = 0; w.settings.Show_STRESS = true; w.settings.Show_FORCE = false; }},
        {"group with E = 0, strain", [](Workspace &w) { w.model.groups[1].E = 0; w.settings.Show_STRAIN = true; w.settings.Show_FORCE = false; }},
        {"element outside the groups", [](Workspace &w) { w.model.elements[1].group = 7; w.settings.Show_STRAIN = true; }},
        {"scales of 0", [](Workspace &w) { w.settings.Ena_cm_posa_FORCE = 0; w.settings.Ena_cm_posa_m_epi_1000 = 0; }},
        {"non-finite results", [](Workspace &w) {
             w.results.F[1][2] = std::nan(""); w.results.U[3] = HUGE_VAL;
             w.results.extrema.maxN = -HUGE_VAL; w.results.extrema.maxU = std::nan(""); }},
        {"huge displacement", [](Workspace &w) { w.results.U[4] = 1e300; w.settings.Ena_cm_posa_m_epi_1000 = 1e-30f; }},
    };
    // clang-format on
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Workspace w;
        w.view.resetHistory();
        truss::group(w.model, 1000, 2);
        truss::node(w.model, 0, 0, 1, 1);
        truss::node(w.model, 3, 1, 0, 0, 5, -5);
        truss::element(w.model, 1, 2);
        c.spoil(w);
        for (std::int16_t mode : {ModeAxialForce, ModeDeformed, ModeColourDiagram, ModeAnimation}) {
            w.drawingMode = mode;
            RecordingCanvas area, legend(1, 5.1);
            RedrawDrawingArea(w, area, RedrawExtras{&legend, 1.0});
            EXPECT_TRUE(allFinite(area) && allFinite(legend)) << "mode " << mode;
        }
    }
}

// With no elements the legend's extrema are 0, never left-over results.
TEST_F(ResultViewTest, OneNodeModelDrawsOnlyTheLegend)
{
    truss::node(ws.model, 1, 1);
    ws.results.F[1] = {0, -5, 5};
    draw(ModeAxialForce);
    QStringList texts;
    for (const auto &t : canvas.texts())
        texts << t.text;
    EXPECT_TRUE(canvas.lines().isEmpty());
    EXPECT_EQ(texts.filter(QRegularExpression(QStringLiteral("\\S"))),
              (QStringList{"Axial Force", "max.= 0", "min.= 0"}));
}
