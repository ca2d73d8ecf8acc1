// The drawing area on the main window, events going through the window
// system as a user's would: a mode button works on its toggled state, the
// drag reaches the gesture and the right button's zoom menu ticks the active
// mode; the mouse draws an element into the model, its markers lying over the
// picture, never in it.
#include "MainWindowFixture.h"
#include "drawing/ViewOps.h"
#include "drawing/gui/PainterCanvas.h"

#include <QAbstractButton>
#include <QMenu>
#include <QTest>
#include <QToolBar>
#include <QWindow>

namespace {

TEST_F(MainWindowTest, ZoomWindowFromItsToggledButtonToTheZoomMenusExit)
{
    start(writeModel(QStringLiteral("m.kel")));
    auto *button = qobject_cast<QAbstractButton *>(
        window->toolBar()->widgetForAction(window->toolAction(QStringLiteral("Zoom_Window"))));
    const auto zoomMenuItem = [this](const char *caption) -> QAction * {
        for (QAction *a : window->zoomMenu()->actions())
            if (a->text() == QLatin1String(caption))
                return a;
        return nullptr;
    };
    // What a click, a key and the Toggle action of assistive technology all
    // do to the button.
    button->toggle();
    EXPECT_EQ(window->viewMode(), ViewMode::ZoomWindow);

    const auto cm = [this](QPoint px) { return QPointF(px) / pxPerCm(); };
    const QPoint from(300, 220), to(120, 80);
    ViewTransform expected = ws().view;
    FitViewToRectangle(expected, cm(to).x(), cm(to).y(), cm(from).x(), cm(from).y());
    ASSERT_NE(expected.scale, ws().view.scale);
    QTest::mousePress(area(), Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(area(), to);
    QTest::mouseRelease(area(), Qt::LeftButton, Qt::NoModifier, to);
    EXPECT_FLOAT_EQ(ws().view.scale, expected.scale);
    EXPECT_NEAR(ws().view.offsetX, expected.offsetX, 1e-9);

    QTest::mouseClick(area(), Qt::RightButton, Qt::NoModifier, QPoint(80, 80));
    ASSERT_TRUE(window->zoomMenu()->isVisible());
    EXPECT_TRUE(zoomMenuItem("Zoom Window")->isChecked() && !zoomMenuItem("Zoom")->isChecked());
    zoomMenuItem("Exit")->trigger();
    window->zoomMenu()->hide();
    EXPECT_EQ(window->viewMode(), ViewMode::None);
    EXPECT_FALSE(button->isChecked());
}

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
