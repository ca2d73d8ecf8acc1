// The view modes on the main window: a mode button works on its toggled
// state, the drawing area's drag reaches the gesture, and the right button's
// zoom menu ticks the active mode.
#include "MainWindowFixture.h"
#include "drawing/ViewOps.h"

#include <QAbstractButton>
#include <QMenu>
#include <QTest>
#include <QToolBar>

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

} // namespace
