// The truss drawn with the mouse on the main window's drawing area: events
// go through the window system as a user's would, and the model, the log,
// the item menu and the picture (which never holds a marker) are checked.
#include "MainWindowFixture.h"
#include "drawing/gui/PainterCanvas.h"

#include <QMenu>
#include <QPaintEvent>
#include <QTest>
#include <QWindow>

namespace {

struct Pt {
    double x, y; // model coordinates
};

// Records the rectangles the drawing area repaints.
struct PaintSpy : QObject {
    std::vector<QRect> rects;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            rects.push_back(static_cast<QPaintEvent *>(e)->rect());
        return false;
    }
};

class MouseDefinitionTest : public MainWindowTest {
protected:
    // A window with a group, on the grid of step 1, and one element drawn
    // with the mouse from (0, 0) to (4, 0).
    void SetUp() override
    {
        MainWindowTest::SetUp();
        start();
        window->resize(900, 700);
        QApplication::processEvents();
        ws().settings.nai_grid = true;
        ws().settings.kannab = 1;
        window->RedrawDrawingArea();
        addGroup();
        drag({0, 0}, {4, 0});
    }
    QWindow *handle() { return window->windowHandle(); }
    QPoint at(Pt p)
    {
        const double k = pxPerCm();
        const QPoint inArea(qRound(ws().view.ToScreenX(p.x) * k),
                            qRound(ws().view.ToScreenY(p.y) * k));
        return area()->mapTo(window.get(), inArea);
    }
    void move(Pt p) { QTest::mouseMove(handle(), at(p)); }
    void drag(Pt from, Pt to)
    {
        move(from);
        QTest::mousePress(handle(), Qt::LeftButton, {}, at(from));
        move({(from.x + to.x) / 2, (from.y + to.y) / 2});
        move(to);
        QTest::mouseRelease(handle(), Qt::LeftButton, {}, at(to));
    }
    QImage picture()
    {
        return area()->painterCanvas().image().convertToFormat(QImage::Format_RGB32);
    }
};

// A drag makes two nodes and their element, a double click steps the
// support; which ones is the model mouse's rule.
TEST_F(MouseDefinitionTest, ADragMakesAnElementAndADoubleClickASupport)
{
    move({4, 0});
    QTest::mouseDClick(handle(), Qt::LeftButton, {}, at({4, 0}));

    EXPECT_EQ(ws().model.nodes[2], (Node{4, 0, 1, 0, 0, 0})); // fixed in x
    QStringList log;
    for (const LogEntry &e : ws().log.entries().mid(ws().log.entries().size() - 3))
        log << e.text;
    EXPECT_EQ(log,
              (QStringList{"New node #1, x=0, y=0, Free", "New node #2, x=4, y=0, Free",
                           "New element #1, Node i: #1, Node j: #2, E,A Group: #1, P2 Type"}));
}

TEST_F(MouseDefinitionTest, MarkersLieOverThePictureNeverInIt)
{
    window->RedrawDrawingArea();
    const QImage clean = picture();
    QApplication::processEvents(); // the redraw shown

    PaintSpy spy;
    area()->installEventFilter(&spy);
    move({4, 0}); // over node 2 and the element's end
    move({2, 0}); // over the element only
    move({4, 0});
    area()->removeEventFilter(&spy);
    ASSERT_TRUE(area()->mouseOverlay().nodeMarkerShown);
    // A move repaints a few small pieces, never the whole area.
    ASSERT_FALSE(spy.rects.empty());
    for (const QRect &r : spy.rects)
        EXPECT_LT(r.width() * r.height(), area()->width() * area()->height() / 4);

    // The screen shows the marker; the picture (what an export or a copy
    // takes) does not, and a redraw does not put it there.
    const QImage screen = area()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(picture(), clean);
    EXPECT_NE(screen, clean);
    window->RedrawDrawingArea();
    EXPECT_EQ(picture(), clean);

    // A tool-bar command hides the markers.
    window->toolAction(QStringLiteral("Foreas"))->trigger();
    EXPECT_FALSE(area()->mouseOverlay().nodeMarkerShown);
    EXPECT_EQ(area()->grab().toImage().convertToFormat(QImage::Format_RGB32), clean);
}

TEST_F(MouseDefinitionTest, RightButtonOpensTheItemMenu)
{
    QMenu *menu = window->findChild<QMenu *>(QStringLiteral("itemMenu"));
    ASSERT_NE(menu, nullptr);
    const struct {
        Pt at;
        QStringList items; // the visible ones, separator as "-"
    } rows[] = {
        {{4, 0}, {"Node #2", "Loads on node #2", "-", "Element #1"}},
        {{2, 3}, {}},
    };
    for (const auto &r : rows) {
        move(r.at);
        QTest::mouseClick(handle(), Qt::RightButton, {}, at(r.at));
        QStringList visible;
        for (QAction *a : menu->actions())
            if (a->isVisible())
                visible << (a->isSeparator() ? QStringLiteral("-") : a->text());
        EXPECT_EQ(menu->isVisible(), !r.items.isEmpty()) << r.at.x;
        EXPECT_TRUE(r.items.isEmpty() || visible == r.items);
        menu->hide();
    }
    EXPECT_EQ(ws().model.nodeCount, 2);
}

} // namespace
