// The view modes on the main window: every way of switching them keeps the
// tool bar, the menus and the mode in step, the drawing area's mouse reaches
// the gestures, and the status bar shows the pointer's coordinates.
#include "MainWindowFixture.h"
#include "drawing/ViewOps.h"

#include <QAbstractButton>
#include <QMenu>
#include <QTest>
#include <QToolBar>
#include <functional>

namespace {

class ViewModes : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        start(writeModel(QStringLiteral("m.kel")));
    }
    QPointF cm(QPoint px) { return QPointF(px) / pxPerCm(); }
    QAbstractButton *toolButton(const char *key)
    {
        return qobject_cast<QAbstractButton *>(
            window->toolBar()->widgetForAction(window->toolAction(QString::fromLatin1(key))));
    }
    QAction *zoomMenuItem(const char *caption)
    {
        for (QAction *a : window->zoomMenu()->actions())
            if (a->text() == QLatin1String(caption))
                return a;
        return nullptr;
    }
};

TEST_F(ViewModes, EveryWayOfSwitchingKeepsButtonsMenusAndModeInStep)
{
    const struct {
        const char *way;
        std::function<void()> press; // presses the Zoom switch once
    } ways[] = {
        // What a click, a key and the Toggle action of assistive technology
        // all do to the button.
        {"button toggled", [this] { toolButton("Zoom")->toggle(); }},
        {"zoom menu", [this] { zoomMenuItem("Zoom")->trigger(); }},
        {"operation", [this] { window->Button_Zoom(); }},
    };
    for (const auto &w : ways) {
        SCOPED_TRACE(w.way);
        window->Button_Xeraki(); // another mode on first: switching replaces it
        for (bool on : {true, false}) {
            w.press();
            EXPECT_EQ(window->viewMode(), on ? ViewMode::Zoom : ViewMode::None);
            EXPECT_EQ(std::tuple(toolButton("Zoom")->isChecked(),
                                 window->action(QStringLiteral("mnuZOOMitem"))->isChecked(),
                                 zoomMenuItem("Zoom")->isChecked()),
                      std::tuple(on, on, on));
            EXPECT_FALSE(toolButton("Xeraki")->isChecked() || zoomMenuItem("Move")->isChecked());
        }
    }
}

TEST_F(ViewModes, MouseDragReachesTheGestureAndRightClickTheZoomMenu)
{
    QTest::mouseClick(area(), Qt::RightButton, Qt::NoModifier, QPoint(80, 80));
    EXPECT_FALSE(window->zoomMenu()->isVisible()); // no view mode: no zoom menu

    window->toolAction(QStringLiteral("Zoom_Window"))->trigger();
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
    EXPECT_TRUE(zoomMenuItem("Zoom Window")->isChecked());
    zoomMenuItem("Exit")->trigger();
    window->zoomMenu()->hide();
    EXPECT_EQ(window->viewMode(), ViewMode::None);
    EXPECT_FALSE(toolButton("Zoom_Window")->isChecked());
}

TEST_F(ViewModes, StatusBarShowsThePointerInModelUnits)
{
    // At scale 100 one centimetre is one unit; the origin is 2 cm in from the
    // left and 2 cm up from the bottom, and the grid (step 1) snaps.
    const double k = pxPerCm();
    const double H = area()->heightCm();
    const QPoint p(qRound((2 + 3.2) * k), qRound((H - 2 - 1.7) * k));
    QTest::mouseMove(area(), p);
    EXPECT_EQ(panel("x")->text(), QStringLiteral("x = 3"));
    EXPECT_EQ(panel("y")->text(), QStringLiteral("y = 2"));

    // COORDS switches the read-out off.
    QTest::mouseClick(statusSwitch("sint"), Qt::LeftButton);
    QTest::mouseMove(area(), p + QPoint(2, 0));
    EXPECT_TRUE(panel("x")->text().isEmpty());
}

} // namespace
