// The truss drawn with the mouse on the main window's drawing area, events
// going through the window system as a user's would: the drag reaches the
// model, and the markers lie over the picture, never in it.
#include "MainWindowFixture.h"
#include "drawing/gui/PainterCanvas.h"

#include <QTest>
#include <QWindow>

namespace {

TEST_F(MainWindowTest, MouseDrawsAnElementAndItsMarkersStayOutOfThePicture)
{
    start();
    ws().settings.nai_grid = true;
    ws().settings.kannab = 1;
    window->RedrawDrawingArea();
    truss::group(ws().model, 1, 1);
    QWindow *handle = window->windowHandle();
    const auto at = [&](double x, double y) {
        const QPoint inArea(qRound(ws().view.ToScreenX(x) * pxPerCm()),
                            qRound(ws().view.ToScreenY(y) * pxPerCm()));
        return area()->mapTo(window.get(), inArea);
    };
    const auto picture = [&] {
        return area()->painterCanvas().image().convertToFormat(QImage::Format_RGB32);
    };
    QTest::mouseMove(handle, at(0, 0));
    QTest::mousePress(handle, Qt::LeftButton, {}, at(0, 0));
    QTest::mouseMove(handle, at(2, 0));
    QTest::mouseMove(handle, at(4, 0));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, at(4, 0));
    EXPECT_EQ(ws().log.entries().back().text,
              "New element #1, Node i: #1, Node j: #2, E,A Group: #1, P2 Type");
    EXPECT_EQ(ws().model.nodes[2], (Node{4, 0, 0, 0, 0, 0}));

    window->RedrawDrawingArea();
    const QImage clean = picture();
    QApplication::processEvents(); // the redraw shown
    QTest::mouseMove(handle, at(2, 0));
    QTest::mouseMove(handle, at(4, 0)); // over node 2
    ASSERT_TRUE(area()->mouseOverlay().nodeMarkerShown);
    // The screen shows the marker; the picture (what an export or a copy
    // takes) does not, and a redraw does not put it there.
    EXPECT_NE(area()->grab().toImage().convertToFormat(QImage::Format_RGB32), clean);
    EXPECT_EQ(picture(), clean);
    window->RedrawDrawingArea();
    EXPECT_EQ(picture(), clean);
}

} // namespace
