// The drawing-area widget: size in centimetres kept in the attached view,
// the picture renewed and anchored to the lower-left corner, the rubber
// rectangle overlay.
#include "core/Fixtures.h"
#include "drawing/Sxediastika.h"
#include "drawing/gui/DrawingArea.h"
#include "drawing/gui/PainterCanvas.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kPxPerCm = 96 / 2.54; // the offscreen screen's logical DPI

struct DrawingAreaTest : testing::Test {
    Workspace ws;
    DrawingArea area;

    void SetUp() override
    {
        ws.view.resetHistory();
        area.attachView(&ws.view);
        QObject::connect(&area, &DrawingArea::resized, [this] {
            RedrawDrawingArea(ws, area.canvas());
            area.update();
        });
        area.resize(400, 300);
        area.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&area));
    }

    // Row of the lowest pixel of a colour in a column of the shown widget.
    static int lowestRowOf(const QImage &img, int column, const QColor &colour)
    {
        for (int y = img.height() - 1; y >= 0; --y)
            if (img.pixelColor(column, y) == colour)
                return y;
        return -1;
    }
};

} // namespace

// A model point keeps its distance from the bottom edge when the area
// changes height.
TEST_F(DrawingAreaTest, PictureStaysAnchoredToTheLowerLeftCorner)
{
    ws.settings.nai_grid = false;
    ws.settings.nai_aksones = false;
    ws.settings.xroma_background = 0xFFFFFF;
    ws.settings.nai_arithmisi_stoixeion = false;
    truss::node(ws.model, 0, 0);
    truss::node(ws.model, 4, 0);
    truss::element(ws.model, 1, 2);
    const int column = int(4 * kPxPerCm); // on the element, model x = 2

    for (int h : {320, 420}) {
        area.resize(400, h);
        const QImage shown = area.grab().toImage();
        EXPECT_NEAR(h - lowestRowOf(shown, column, Qt::black), 2 * kPxPerCm, 1.5) << h;
    }
}

// New desktop colours renew the picture in them.
TEST_F(DrawingAreaTest, BackgroundFollowsTheDesktopColours)
{
    area.setBackgroundColour(0x8000000Eu);
    ws.drawingMode = 9; // draws nothing over it
    QPalette pal = area.palette();
    pal.setColor(QPalette::HighlightedText, QColor(10, 200, 30));
    QSignalSpy spy(&area, &DrawingArea::resized);
    area.setPalette(pal);
    area.grab();
    ASSERT_TRUE(spy.wait(1000));
    EXPECT_EQ(area.grab().toImage().pixelColor(200, 150), QColor(10, 200, 30));
}

TEST_F(DrawingAreaTest, RubberRectangleIsAnOverlay)
{
    ws.settings.xroma_background = 0xFFFFFF;
    ws.settings.nai_grid = false;
    RedrawDrawingArea(ws, area.canvas());
    const QImage before = area.painterCanvas().image().copy();

    area.setRubberRectangle(QRectF(QPointF(5, 4), QPointF(1, 1))); // corners in any order
    const QImage shown = area.grab().toImage();
    const int left = int(1 * kPxPerCm), right = int(5 * kPxPerCm);
    const int top = int(1 * kPxPerCm), bottom = int(4 * kPxPerCm);
    int outline = 0, gaps = 0;
    for (int x = left + 2; x < right - 2; ++x) {
        const bool dark = shown.pixelColor(x, top).lightness() < 100;
        outline += dark;
        gaps += !dark;
    }
    EXPECT_GT(outline, 10);
    EXPECT_GT(gaps, 10); // dashed, not solid
    EXPECT_EQ(shown.pixelColor((left + right) / 2, (top + bottom) / 2), QColor(255, 255, 255));
    // The picture itself is untouched.
    EXPECT_EQ(area.painterCanvas().image(), before);
}
