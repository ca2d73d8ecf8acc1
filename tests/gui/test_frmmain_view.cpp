// The view gestures on the drawing area, driven by simulated mouse events,
// and the status bar's coordinates.
#include "MainWindowFixture.h"
#include "drawing/ViewOps.h"

#include <QMenu>
#include <QTest>

namespace {

class ViewGestures : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        start(writeModel(QStringLiteral("m.kel")));
    }
    QPointF cm(QPoint px) { return QPointF(px) / pxPerCm(); }
    void drag(QPoint from, QPoint to)
    {
        QTest::mousePress(area(), Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(area(), (from + to) / 2);
        QTest::mouseMove(area(), to);
        QTest::mouseRelease(area(), Qt::LeftButton, Qt::NoModifier, to);
    }
};

TEST_F(ViewGestures, PanKeepsTheModelPointUnderThePointer)
{
    window->toolAction(QStringLiteral("Xeraki"))->trigger();
    ASSERT_TRUE(window->panMode());
    const QPoint from(100, 120), to(160, 90);
    const double worldX = ws().view.ToWorldX(cm(from).x());
    const double worldY = ws().view.ToWorldY(cm(from).y());

    drag(from, to);

    EXPECT_NEAR(ws().view.ToWorldX(cm(to).x()), worldX, 1e-4);
    EXPECT_NEAR(ws().view.ToWorldY(cm(to).y()), worldY, 1e-4);
    EXPECT_EQ(ws().view.scale, 100.0f);
    // The finished gesture is one step of the zoom history.
    EXPECT_EQ(ws().view.historyIndex, 1);
    window->Button_Zoom_Previous();
    EXPECT_EQ(ws().view.offsetX, -2.0);
    EXPECT_EQ(ws().view.offsetY, 2.0);
    EXPECT_EQ(ws().view.historyIndex, 0);
    window->Button_Zoom_Previous();   // nothing older
    EXPECT_EQ(ws().view.historyIndex, 0);
}

TEST_F(ViewGestures, DraggingUpZoomsInAndDownZoomsOut)
{
    window->Button_Xeraki();
    window->toolAction(QStringLiteral("Zoom"))->trigger();
    ASSERT_TRUE(window->zoomMode());
    EXPECT_FALSE(window->panMode());   // the view modes exclude each other
    const int oneCm = qRound(pxPerCm());

    drag(QPoint(200, 200), QPoint(200, 200 - oneCm));
    EXPECT_LT(ws().view.scale, 100.0f);    // a smaller scale shows more detail
    const float zoomedIn = ws().view.scale;
    EXPECT_EQ(ws().view.historyIndex, 1);

    drag(QPoint(200, 200), QPoint(200, 200 + 2 * oneCm));
    EXPECT_GT(ws().view.scale, zoomedIn);
    EXPECT_EQ(ws().view.historyIndex, 2);
}

TEST_F(ViewGestures, ZoomWindowFitsTheDraggedRectangle)
{
    window->toolAction(QStringLiteral("Zoom_Window"))->trigger();
    ASSERT_TRUE(window->zoomWindowMode());
    const QPoint from(300, 220), to(120, 80);
    ViewTransform expected = ws().view;
    FitViewToRectangle(expected, cm(to).x(), cm(to).y(), cm(from).x(), cm(from).y());
    ASSERT_NE(expected.scale, ws().view.scale);

    drag(from, to);

    EXPECT_FLOAT_EQ(ws().view.scale, expected.scale);
    EXPECT_NEAR(ws().view.offsetX, expected.offsetX, 1e-9);
    EXPECT_NEAR(ws().view.offsetY, expected.offsetY, 1e-9);
    EXPECT_EQ(ws().view.historyIndex, 1);

    // A click without a drag changes nothing and adds no step.
    QTest::mouseClick(area(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    EXPECT_EQ(ws().view.historyIndex, 1);
}

TEST_F(ViewGestures, RightClickInAViewModeOpensTheZoomMenuWhoseExitLeavesTheMode)
{
    QTest::mouseClick(area(), Qt::RightButton, Qt::NoModifier, QPoint(80, 80));
    EXPECT_FALSE(window->zoomMenu()->isVisible());   // no view mode: no zoom menu

    window->Button_Zoom_Window();
    QTest::mouseClick(area(), Qt::RightButton, Qt::NoModifier, QPoint(80, 80));
    ASSERT_TRUE(window->zoomMenu()->isVisible());
    ASSERT_EQ(window->zoomMenu()->actions().first()->text(), QStringLiteral("Exit"));
    window->zoomMenu()->actions().first()->trigger();
    window->zoomMenu()->hide();
    EXPECT_FALSE(window->zoomWindowMode());
}

TEST_F(ViewGestures, StatusBarShowsThePointerInModelUnits)
{
    StatusPanel *x = window->statusPanel(QStringLiteral("x"));
    StatusPanel *y = window->statusPanel(QStringLiteral("y"));
    // At scale 100 one centimetre is one unit; the origin is 2 cm in from the
    // left and 2 cm up from the bottom, and the grid (step 1) snaps.
    const double k = pxPerCm();
    const double H = area()->heightCm();
    const QPoint p(qRound((2 + 3.2) * k), qRound((H - 2 - 1.7) * k));
    QTest::mouseMove(area(), p);
    EXPECT_EQ(x->text(), QStringLiteral("x = 3"));
    EXPECT_EQ(y->text(), QStringLiteral("y = 2"));

    // COORDS switches the read-out off and on.
    QTest::mouseClick(window->statusPanel(QStringLiteral("sint")), Qt::LeftButton);
    EXPECT_FALSE(window->statusPanel(QStringLiteral("sint"))->isLit());
    QTest::mouseMove(area(), p);
    EXPECT_TRUE(x->text().isEmpty());
    QTest::mouseClick(window->statusPanel(QStringLiteral("sint")), Qt::LeftButton);
    QTest::mouseMove(area(), p + QPoint(2, 0));
    EXPECT_TRUE(x->text().startsWith(QStringLiteral("x = ")));
}

} // namespace
