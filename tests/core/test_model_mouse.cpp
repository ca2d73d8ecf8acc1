// Defining the truss with the mouse: the picked point, the nodes and
// elements a press, drag and release make, the missing-group question, the
// supports stepped by double-click, the hover markers and the capacities.
#include "core/EditingFixture.h"
#include "drawing/ModelMouse.h"

namespace {

struct Point {
    double x, y; // model coordinates
};

// The start-up view (scale 100, offsets -2 and 2, area 20 x 15 cm): one model
// unit is one centimetre on screen. Nodes 1 (0, 0) and 2 (3, 0) unless a test
// sets others.
struct Mouse : Editing {
    ModelMouse mouse{ws.model, ws.settings, ws.view, ws};

    Mouse()
    {
        ws.view.resetView();
        ws.settings.nai_grid = false;
        ws.settings.kannab = 1;
        nodes({{0, 0}, {3, 0}});
    }
    double sx(double x) const { return ws.view.ToScreenX(x); }
    double sy(double y) const { return ws.view.ToScreenY(y); }

    MouseSteps press(Point p) { return mouse.press(Qt::LeftButton, sx(p.x), sy(p.y)); }
    void move(Point p) { mouse.move(sx(p.x), sy(p.y), false); }
    MouseSteps release(Point p, Qt::MouseButton b = Qt::LeftButton)
    {
        return mouse.release(b, sx(p.x), sy(p.y));
    }
    // As the window sees it: the pointer arrives, goes down, moves, comes up.
    MouseSteps drag(Point from, Point to)
    {
        move(from);
        press(from);
        move(to);
        return release(to);
    }
};

TEST(ModelMouse, DragsMakeNodesAndElementsOnce)
{
    const struct {
        float grid; // 0: off
        bool joinedFirst;
        Point from, to;
        std::vector<const char *> log;
    } rows[] = {
        // clang-format off
        {0.5f, false, {2.3, -1.26}, {2.3, -1.26}, {"New node #3, x=2.5, y=-1.5, Free"}},
        {0, false, {1.23456, 2.34561}, {1.23456, 2.34561}, {"New node #3, x=1.2346, y=2.3456, Free"}},
        {0, false, {0.1, -0.1}, {1, 2},
         {"New node #3, x=1, y=2, Free", "New element #1, Node i: #1, Node j: #3, E,A Group: #1, P2 Type"}},
        {0, false, {1, 2}, {3, 0},
         {"New node #3, x=1, y=2, Free", "New element #1, Node i: #3, Node j: #2, E,A Group: #1, P2 Type"}},
        {0, true, {0, 0}, {3, 0}, {}},
        {0, true, {3, 0}, {0, 0}, {}},
        // clang-format on
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.from.x);
        Mouse t;
        t.ws.settings.nai_grid = r.grid > 0;
        t.ws.settings.kannab = r.grid > 0 ? r.grid : 1;
        t.groups(1);
        if (r.joinedFirst)
            t.elements({{1, 2, 1}});
        EXPECT_TRUE(t.drag(r.from, r.to).redraw);
        Lines expected;
        for (const char *line : r.log)
            expected.emplace_back(QString::fromLatin1(line), LogDarkBlue);
        EXPECT_EQ(t.lines(), expected);
        EXPECT_EQ(t.steps.labels.size(), r.log.size());
        EXPECT_EQ(t.steps.open, 0);
    }
}

// With the grid on, only a node on the grid can be picked (node 1 is off it,
// node 2 on it; the pointer 0.1 cm from each, or 0.3 cm from node 1).
TEST(ModelMouse, TheGridDecidesWhichNodesCanBePicked)
{
    const std::tuple<bool, double, int> rows[] = {
        {true, 1.6, 0}, {true, 3.1, 2}, {false, 1.6, 1}, {false, 1.8, 0}};
    for (const auto &[grid, x, picked] : rows) {
        Mouse t;
        t.nodes({{1.5f, 0}, {3, 0}});
        t.ws.settings.nai_grid = grid;
        t.move({x, 0.1});
        EXPECT_EQ(t.mouse.hoveredNode(), picked) << grid << " " << x;
    }
}

TEST(ModelMouse, WithoutAGroupTheQuestionDecides)
{
    const QString noGroup = QStringLiteral(
        "Before defining an element, the main E,A Element Group must have been defined (#1).");
    // The answer, and whether the groups dialog then defines the group (it
    // does not when cancelled): the element is made only when it does.
    const std::pair<PromptAnswer, bool> rows[] = {
        {PromptAnswer::No, false}, {PromptAnswer::Yes, true}, {PromptAnswer::Yes, false}};
    for (const auto &[answer, defined] : rows) {
        SCOPED_TRACE(int(defined) + 2 * (answer == PromptAnswer::Yes));
        Mouse t;
        t.prompts.answers.push_back(answer);
        MouseSteps steps = t.drag({0, 0}, {3, 0});
        EXPECT_EQ(steps.openGroups, answer == PromptAnswer::Yes);
        if (steps.openGroups) {
            EXPECT_FALSE(steps.redraw); // after the dialog
            if (defined)
                t.groups(1);
            steps = t.mouse.groupsDialogClosed();
        }
        EXPECT_TRUE(steps.redraw && t.model().elementCount == int(defined));
        EXPECT_EQ(
            t.boxes(),
            std::vector<QString>{noGroup
                                 + "\nElements defined on screen always belong to the main E,A "
                                   "Element Group.\n\nDo you want to define the main E,A Element "
                                   "Group now?"});
        ASSERT_EQ(t.lines().size(), 1u + defined);
        EXPECT_EQ(t.lines()[0], std::make_pair(noGroup, int(LogRed)));
    }
}

TEST(ModelMouse, DoubleClicksStepTheSupports)
{
    Mouse t;
    t.nodes({{0, 0}, {5, 0}});
    t.model().nodes[2].cx = 0.5f; // not a flag this program writes
    t.move({1.5, 1});             // 1.8 cm from node 1
    const std::pair<float, float> cycle[] = {{1, 0}, {0, 1}, {1, 1}, {0, 0}};
    for (const auto &[cx, cy] : cycle) {
        EXPECT_TRUE(t.mouse.doubleClick().redraw);
        EXPECT_EQ(std::make_pair(t.model().nodes[1].cx, t.model().nodes[1].cy),
                  std::make_pair(cx, cy));
    }
    EXPECT_TRUE(t.model().modelChanged && t.lines().empty() && t.steps.labels.size() == 4u);
    EXPECT_EQ(t.steps.labels.back(), QStringLiteral("* Node #1, x=0, y=0, Free"));

    t.model().modelChanged = false;
    t.move({5, 0.5});
    EXPECT_TRUE(t.mouse.doubleClick().redraw);
    EXPECT_EQ(t.model().nodes[2].cx, 0.5f);
    t.move({2.5, 2}); // over 2 cm from both
    t.mouse.doubleClick();
    EXPECT_FALSE(t.model().modelChanged);
}

// The element under the pointer is highlighted only within its nodes' box
// enlarged by 0.15 cm; the right button offers the node and the element there.
TEST(ModelMouse, WhatIsUnderThePointer)
{
    const struct {
        Point at;
        int node, element;
    } rows[] = {
        {{4.3, 0}, 0, 0},    // beyond its end, on its line
        {{4.1, 0.05}, 2, 1}, // just past its end, in the margin
        {{2, 0.25}, 0, 0},   // too far from it
        {{0.3, 0.14}, 0, 2}, // in reach of both, nearer the diagonal
        {{0.3, 0.1}, 0, 1},  // in reach of both, nearer the horizontal
        {{0, 0}, 1, 1},      // on both: the first
    };
    for (const auto &r : rows) {
        Mouse t;
        t.nodes({{0, 0}, {4, 0}, {5, 5}});
        t.elements({{1, 2, 1}, {1, 3, 1}});
        t.move(r.at);
        SCOPED_TRACE(testing::Message() << r.at.x << "," << r.at.y);
        EXPECT_EQ(t.mouse.hoveredElement(), r.element);
        const OverlayLine marker = t.mouse.overlay().elementMarker;
        const double x = r.element == 1 ? 4 : 5, y = r.element == 1 ? 0 : 5;
        const OverlayLine want{true, t.sx(0), t.sy(0), t.sx(x), t.sy(y)};
        EXPECT_TRUE(r.element ? marker == want : !marker.shown);
        const MouseSteps steps = t.release(r.at, Qt::RightButton);
        EXPECT_EQ(std::pair(steps.menuNode, steps.menuElement), std::pair(r.node, r.element));
        EXPECT_EQ(t.model().nodeCount, 3);
    }
}

TEST(ModelMouse, CapacitiesAreNeverPassed)
{
    const struct {
        int nodes, elements;
        Point from, to;
        int nodesAfter, elementsAfter;
    } rows[] = {
        {100, 0, {50, 50}, {50, 50}, 100, 0}, // click on empty space
        {100, 0, {0, 0}, {50, 50}, 100, 0},   // node to empty space
        {100, 0, {0, 0}, {1, 0}, 100, 1},     // node to node
        // Pressed where nothing can start, the drag joins nothing, not even
        // to the node an earlier press started from.
        {100, 0, {50, 50}, {1, 0}, 100, 0},
        {3, 200, {0, 0}, {2, 0}, 3, 200},
        {3, 200, {8, 8}, {9, 9}, 5, 200},
    };
    for (const auto &r : rows) {
        Mouse t;
        t.groups(1);
        for (int n = 1; n <= r.nodes; ++n)
            t.model().nodes[n] = Node{float(n - 1), 0, 0, 0, 0, 0};
        t.model().nodeCount = std::int16_t(r.nodes);
        for (int e = 1; e <= r.elements; ++e)
            t.model().elements[e] = Element{1, 2, 1};
        t.model().elementCount = std::int16_t(r.elements);
        t.drag({0, 0}, {0.05, 0}); // an earlier press on node 1
        t.drag(r.from, r.to);
        EXPECT_EQ(std::pair(int(t.model().nodeCount), int(t.model().elementCount)),
                  std::pair(r.nodesAfter, r.elementsAfter))
            << r.nodes << ": " << r.from.x << " to " << r.to.x;
    }
}

} // namespace
