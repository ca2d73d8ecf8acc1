// The QPainter canvas: colour resolution, crisp 1-pixel lines at any pixel
// ratio and filled circles.
#include "common/Settings.h"
#include "drawing/gui/Colours.h"
#include "drawing/gui/PainterCanvas.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

TEST(Colours, ResolveRgbAndSystemColours)
{
    QPalette pal;
    for (int role = 0; role < QPalette::NColorRoles; ++role)
        pal.setColor(QPalette::ColorRole(role), QColor(10 + 9 * role, 245 - 9 * role, 40));
    const std::pair<std::uint32_t, QColor> cases[] = {
        {0x000000FFu, QColor(255, 0, 0)},
        {0x8000000Fu, pal.color(QPalette::Button)},
        {0x800000FFu, pal.color(QPalette::Window)}, // unknown system colours
        {0xFFFFFFFFu, pal.color(QPalette::Window)},
        // The stored form of the default background, a negative number.
        {colourValue(-2147483634.0), pal.color(QPalette::HighlightedText)},
    };
    for (const auto &[value, expected] : cases)
        EXPECT_EQ(resolveColour(value, pal), expected) << std::hex << value;
}

// A 1-pixel horizontal or vertical line covers exactly one pixel row or
// column (two physical ones at ratio 2), in its full colour; a solid
// circle is filled with the fill colour inside its outline.
TEST(PainterCanvas, CrispLinesAtEveryPixelRatioAndFilledCircles)
{
    for (qreal dpr : {1.0, 2.0}) {
        SCOPED_TRACE(dpr);
        PainterCanvas c(QSize(200, 150), dpr, 96);
        c.clear(0xFFFFFF);
        c.setForeColour(0x0000FF);
        c.setLineWidth(1);
        c.line(0.5, 1.3, 4.5, 1.3);
        c.line(2.2, 0.2, 2.2, 3.5);
        c.setFillColour(0x00FF00);
        c.setFillSolid(true);
        c.circle(4, 3, 0.5);
        const QImage &img = c.image();
        const double k = c.pixelsPerCm() * dpr;

        const int column = int(3.5 * k);
        int fullRows = 0, touchedRows = 0;
        for (int y = 0; y < int(2.5 * k); ++y) {
            fullRows += img.pixelColor(column, y) == QColor(255, 0, 0);
            touchedRows += img.pixelColor(column, y) != Qt::white;
        }
        const int row = int(2.5 * k);
        int fullColumns = 0;
        for (int x = 0; x < int(3.2 * k); ++x)
            fullColumns += img.pixelColor(x, row) == QColor(255, 0, 0);
        EXPECT_EQ(std::tuple(fullRows, touchedRows, fullColumns), std::tuple(dpr, dpr, dpr));
        EXPECT_EQ(img.pixelColor(int(4 * k), int(3 * k)), QColor(0, 255, 0));
        EXPECT_EQ(img.pixelColor(int(4.2 * k), int(3.3 * k)), QColor(0, 255, 0));
        EXPECT_EQ(img.pixelColor(int(4.6 * k), int(3.5 * k)), Qt::white);
    }
}

} // namespace
