// The QPainter canvas: colour resolution, crisp 1-pixel lines at any pixel
// ratio, and a small model drawn through it.
#include "drawing/Sxediastika.h"
#include "drawing/gui/Colours.h"
#include "drawing/gui/PainterCanvas.h"
#include "workspace/Workspace.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

QPalette distinctPalette()
{
    QPalette p;
    int shade = 10;
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            p.setColor(group, QPalette::ColorRole(role), QColor(shade, 255 - shade, group * 40));
        shade += 9;
    }
    return p;
}

// The colour of the physical pixel under a point given in centimetres.
QColor pixelAt(PainterCanvas &c, double xCm, double yCm)
{
    const QImage &img = c.image();
    const double k = c.pixelsPerCm() * c.devicePixelRatio();
    return img.pixelColor(int(std::floor(xCm * k)), int(std::floor(yCm * k)));
}

bool close(const QColor &a, const QColor &b, int tol = 24)
{
    return std::abs(a.red() - b.red()) <= tol && std::abs(a.green() - b.green()) <= tol
        && std::abs(a.blue() - b.blue()) <= tol;
}

// Some pixel within `radiusCm` of the point has (nearly) the colour.
bool colourNear(PainterCanvas &c, double xCm, double yCm, double radiusCm, const QColor &colour,
                int tol = 24)
{
    const QImage &img = c.image();
    const double k = c.pixelsPerCm() * c.devicePixelRatio();
    const int r = int(std::ceil(radiusCm * k));
    const int cx = int(std::floor(xCm * k)), cy = int(std::floor(yCm * k));
    for (int y = cy - r; y <= cy + r; ++y)
        for (int x = cx - r; x <= cx + r; ++x)
            if (img.valid(x, y) && close(img.pixelColor(x, y), colour, tol))
                return true;
    return false;
}

} // namespace

TEST(Colours, ResolveRgbAndSystemColours)
{
    const QPalette pal = distinctPalette();
    struct Case {
        std::uint32_t value;
        QColor expected;
    };
    const std::vector<Case> cases = {
        {0x000000FFu, QColor(255, 0, 0)},
        {0x00FF0000u, QColor(0, 0, 255)},
        {0x80000005u, pal.color(QPalette::Active, QPalette::Base)},
        {0x8000000Fu, pal.color(QPalette::Active, QPalette::Button)},
        {0x800000FFu, pal.color(QPalette::Active, QPalette::Window)},
        {0xFFFFFFFFu, pal.color(QPalette::Active, QPalette::Window)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.value);
        EXPECT_EQ(resolveColour(c.value, pal), c.expected);
    }
    // The stored form of the default background, a negative number.
    EXPECT_EQ(resolveColour(colourValue(-2147483634.0), pal),
              pal.color(QPalette::Active, QPalette::HighlightedText));
}

// A 1-pixel horizontal or vertical line covers exactly one pixel row or
// column (two physical ones at ratio 2), in its full colour.
TEST(PainterCanvas, CrispLinesAtEveryPixelRatio)
{
    for (qreal dpr : {1.0, 2.0}) {
        SCOPED_TRACE(dpr);
        PainterCanvas c(QSize(200, 150), dpr, 96);
        c.clear(0xFFFFFF);
        c.setForeColour(0x0000FF);
        c.setLineWidth(1);
        c.line(0.5, 1.3, 4.5, 1.3);
        c.line(2.2, 0.2, 2.2, 3.5);
        const QImage &img = c.image();

        const int column = int(3.5 * c.pixelsPerCm() * dpr);
        int fullRows = 0, touchedRows = 0;
        for (int y = 0; y < img.height(); ++y) {
            const QColor px = img.pixelColor(column, y);
            fullRows += px == QColor(255, 0, 0);
            touchedRows += px != QColor(255, 255, 255);
        }
        const int expectedWidth = std::max(1, int(std::lround(dpr)));
        EXPECT_EQ(fullRows, expectedWidth);
        EXPECT_EQ(touchedRows, expectedWidth);

        const int row = int(2.5 * c.pixelsPerCm() * dpr);
        int fullColumns = 0;
        for (int x = 0; x < img.width(); ++x)
            fullColumns += img.pixelColor(x, row) == QColor(255, 0, 0);
        EXPECT_EQ(fullColumns, expectedWidth);
    }
}

// The model through the real canvas: the colours of nodes, elements, loads,
// supports and grid land where the geometry puts them.
TEST(PainterCanvas, ModelPicture)
{
    Workspace ws;
    PainterCanvas c(QSize(int(20 / 2.54 * 96), int(15 / 2.54 * 96)), 1.0, 96);
    ws.view.areaWidth = c.widthCm();
    ws.view.areaHeight = c.heightCm();
    ws.view.resetHistory();
    ws.settings.xroma_background = 0xFFFFFF;
    ws.settings.nai_arithmisi_kombon = false;
    ws.settings.nai_arithmisi_stoixeion = false;
    ws.settings.nai_times_fortiseon_si = false;
    Model &m = ws.model;
    m.nodeCount = 3;
    m.nodes[1] = Node{0, 0, 1, 1, 0, 0};   // pin, screen (2, H - 2)
    m.nodes[2] = Node{4, 0, 0, 0, 0, -10}; // load downwards
    m.nodes[3] = Node{2, 3, 0, 0, 0, 0};
    m.elementCount = 3;
    m.elements[1] = Element{1, 2, 1};
    m.elements[2] = Element{2, 3, 1};
    m.elements[3] = Element{3, 1, 1};
    RedrawDrawingArea(ws, c);

    const QColor white(255, 255, 255), black(0, 0, 0), nodes(0, 0, 255), loads(0, 164, 0),
        grid(224, 224, 224);
    const double H = ws.view.areaHeight;
    const double sy = H - 2;

    // Element 1 along the bottom, away from nodes, supports and labels.
    EXPECT_EQ(pixelAt(c, 3.3, sy), black);
    // Node 2: a blue ring filled with the background over the element end.
    EXPECT_EQ(pixelAt(c, 6, sy), white);
    EXPECT_TRUE(colourNear(c, 6.08, sy, 0.03, nodes));
    // The downward load's shaft above node 2.
    EXPECT_EQ(pixelAt(c, 6, sy - 0.8), loads);
    // The pin below node 1: its closing line 0.25 cm below the node.
    EXPECT_EQ(pixelAt(c, 2.12, sy + 0.25), nodes);
    EXPECT_TRUE(colourNear(c, 1.8, sy + 0.35, 0.05, nodes));
    // A grid line on model x = 8, far from the model.
    EXPECT_EQ(pixelAt(c, ws.view.ToScreenX(8), 1.5), grid);
    // The axes symbol's x arrow left of node 1.
    EXPECT_TRUE(colourNear(c, 1.85, sy, 0.05, QColor(0, 0, 128)));
    // The background elsewhere.
    EXPECT_EQ(pixelAt(c, 15.5, 4.5), white);
}
