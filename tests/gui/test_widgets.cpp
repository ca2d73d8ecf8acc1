// The widgets under the main window on their own: the log box, the QPainter
// canvas and its colours, the drawing area, the mode cursors.
#include "common/MessageLog.h"
#include "core/Fixtures.h"
#include "drawing/Sxediastika.h"
#include "drawing/gui/Colours.h"
#include "drawing/gui/DrawingArea.h"
#include "drawing/gui/PainterCanvas.h"
#include "ui/LogView.h"
#include "ui/ModeCursors.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>
#include <gtest/gtest.h>
#include <tuple>

namespace {

constexpr double kPxPerCm = 96 / 2.54; // the offscreen screen's logical DPI

TEST(LogView, ShowsTheLogsTextInItsColoursAndWeight)
{
    MessageLog log;
    // Entries written before the view exists are shown too.
    log.append(QStringLiteral("Corvane Kel.2D v1.0"), LogDarkBlue, true, true);
    auto view = std::make_unique<LogView>(log, nullptr);
    log.append(QString(), LogBlack, false, false);
    log.append(QStringLiteral("refused"), LogRed, true, true);
    log.append(QStringLiteral("two\r\nlines"), 7, false, false);
    EXPECT_EQ(view->document()->toPlainText().replace(u'\n', QStringLiteral("\r\n")), log.text());
    const std::tuple<const char *, QColor, bool> cases[] = {{"Corvane", QColor(0, 0, 128), true},
                                                            {"refused", QColor(255, 0, 0), true},
                                                            {"two", QColor(0, 0, 0), false}};
    for (const auto &[text, colour, bold] : cases) {
        const QTextCharFormat f = view->document()->find(QLatin1String(text)).charFormat();
        EXPECT_EQ(std::pair(f.foreground().color(), f.fontWeight() == QFont::Bold),
                  std::pair(colour, bold))
            << text;
    }
    view.reset(); // entries after the view is gone are harmless
    log.append(QStringLiteral("after"));
}

TEST(LogView, NewestLineStaysInViewWhenWrittenShownOrHidden)
{
    for (const bool hiddenWhileWriting : {false, true}) {
        MessageLog log;
        LogView view(log, nullptr);
        view.resize(300, 80);
        view.show();
        if (hiddenWhileWriting)
            view.hide();
        for (int i = 0; i < 200; ++i)
            log.append(QStringLiteral("line %1").arg(i));
        view.show();
        QScrollBar *bar = view.verticalScrollBar();
        EXPECT_GT(bar->maximum(), 0);
        EXPECT_EQ(bar->value(), bar->maximum()) << hiddenWhileWriting;
        EXPECT_TRUE(view.textCursor().atEnd());
    }
}

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
// column (two physical ones at ratio 2), in its full colour; a solid circle
// is filled with the fill colour inside its outline.
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
        const int column = int(3.5 * k), row = int(2.5 * k);
        int fullRows = 0, touchedRows = 0, fullColumns = 0;
        for (int y = 0; y < int(2.5 * k); ++y) {
            fullRows += img.pixelColor(column, y) == QColor(255, 0, 0);
            touchedRows += img.pixelColor(column, y) != Qt::white;
        }
        for (int x = 0; x < int(3.2 * k); ++x)
            fullColumns += img.pixelColor(x, row) == QColor(255, 0, 0);
        EXPECT_EQ(std::tuple(fullRows, touchedRows, fullColumns), std::tuple(dpr, dpr, dpr));
        EXPECT_EQ(img.pixelColor(int(4 * k), int(3 * k)), QColor(0, 255, 0));
        EXPECT_EQ(img.pixelColor(int(4.2 * k), int(3.3 * k)), QColor(0, 255, 0));
        EXPECT_EQ(img.pixelColor(int(4.6 * k), int(3.5 * k)), Qt::white);
    }
}

// The drawing area keeps its size in centimetres in the attached view and
// renews the picture when it changes.
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
};

// A model point keeps its distance from the bottom edge when the area
// changes height.
TEST_F(DrawingAreaTest, PictureStaysAnchoredToTheLowerLeftCorner)
{
    ws.settings.nai_grid = ws.settings.nai_aksones = ws.settings.nai_arithmisi_stoixeion = false;
    ws.settings.xroma_background = 0xFFFFFF;
    truss::node(ws.model, 0, 0);
    truss::node(ws.model, 4, 0);
    truss::element(ws.model, 1, 2);
    const int column = int(4 * kPxPerCm); // on the element, model x = 2
    for (int h : {320, 420}) {
        area.resize(400, h);
        const QImage shown = area.grab().toImage();
        int lowest = h - 1;
        while (lowest >= 0 && shown.pixelColor(column, lowest) != Qt::black)
            --lowest;
        EXPECT_NEAR(h - lowest, 2 * kPxPerCm, 1.5) << h;
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

// The rubber rectangle is dashed, over the picture, never in it.
TEST_F(DrawingAreaTest, RubberRectangleIsAnOverlay)
{
    ws.settings.nai_grid = false;
    ws.settings.xroma_background = 0xFFFFFF;
    RedrawDrawingArea(ws, area.canvas());
    const QImage before = area.painterCanvas().image().copy();
    area.setRubberRectangle(QRectF(QPointF(5, 4), QPointF(1, 1))); // corners in any order
    const QImage shown = area.grab().toImage();
    const int left = int(1 * kPxPerCm), right = int(5 * kPxPerCm);
    const int top = int(1 * kPxPerCm), bottom = int(4 * kPxPerCm);
    int outline = 0;
    for (int x = left + 2; x < right - 2; ++x)
        outline += shown.pixelColor(x, top).lightness() < 100;
    EXPECT_GT(outline, 10);
    EXPECT_LT(outline, right - left - 14); // dashed, not solid
    EXPECT_EQ(shown.pixelColor((left + right) / 2, (top + bottom) / 2), QColor(255, 255, 255));
    EXPECT_EQ(area.painterCanvas().image(), before);
}

TEST(ModeCursors, PicturesHaveTheScreensPixelRatio)
{
    for (qreal ratio : {1.0, 1.5, 2.0})
        for (const QCursor &c : {ModeCursors::zoom(ratio), ModeCursors::zoomWindow(ratio)}) {
            EXPECT_EQ(c.pixmap().devicePixelRatio(), ratio);
            EXPECT_EQ(c.pixmap().width(), qCeil(32 * ratio));
            EXPECT_LT(c.hotSpot().x(), 32); // in logical pixels
        }
}

} // namespace
