// The view transform: fits, the zoom history, drag gestures and
// grid snapping.
#include "drawing/ViewOps.h"
#include "drawing/ViewTransform.h"
#include "model/Model.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace {

ViewTransform areaView(double W = 20.0, double H = 15.0)
{
    ViewTransform v;
    v.areaWidth = W;
    v.areaHeight = H;
    v.resetHistory();
    return v;
}

Model modelOf(const std::vector<std::pair<float, float>> &points)
{
    Model m;
    for (const auto &[x, y] : points) {
        ++m.nodeCount;
        m.nodes[m.nodeCount].x = x;
        m.nodes[m.nodeCount].y = y;
    }
    return m;
}

void expectSameView(const ViewTransform &a, const ViewTransform &b)
{
    EXPECT_EQ(a.scale, b.scale);
    EXPECT_EQ(a.offsetX, b.offsetX);
    EXPECT_EQ(a.offsetY, b.offsetY);
}

} // namespace

TEST(ViewOps, FitViewToModel)
{
    struct Case {
        std::string name;
        std::vector<std::pair<float, float>> nodes;
        double W, H;
        float scale;                               // 250: the scale is kept
        std::vector<std::array<double, 4>> points; // model (x, y) lands on screen (x, y)
        bool unchanged = false;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"empty model: origin 2 cm in from left and bottom", {}, 20, 15, 250, {{0, 0, 2, 13}}},
        {"one node is centred", {{3.0f, -4.0f}}, 20, 15, 250, {{3, -4, 10, 7.5}}},
        // 1000 / 16.4 to 3 places: 1.8 cm at both ends.
        {"one row fits the width", {{0, 2}, {10, 2}, {4, 2}}, 20, 15, 60.976f, {{0, 2, 1.8, 7.5}, {10, 2, 18.2, 7.5}}},
        {"one column fits the height", {{1, 0}, {1, 4}}, 20, 15, 35.088f, {{1, 4, 10, 1.8}, {1, 0, 10, 13.2}}},
        {"coincident nodes leave the view", {{2, 2}, {2, 2}, {2, 2}}, 20, 15, 250, {}, true},
        {"a model too small for scale 1 leaves the view", {{0, 0}, {0.1f, 0.1f}}, 20, 15, 250, {}, true},
        {"an area narrower than the margins leaves the view", {{0, 0}, {10, 0}}, 3, 15, 250, {}, true},
        {"an area of no size leaves the view", {{0, 0}, {10, 1}}, 0, 0, 250, {}, true},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ViewTransform v = areaView(c.W, c.H);
        v.scale = 250.0f;
        v.offsetX = 0.5;
        v.offsetY = -1.25;
        const ViewTransform before = v;
        FitViewToModel(v, modelOf(c.nodes));
        EXPECT_FLOAT_EQ(v.scale, c.scale);
        if (c.unchanged)
            expectSameView(v, before);
        for (const auto &[x, y, sx, sy] : c.points) {
            EXPECT_NEAR(v.ToScreenX(x), sx, 1e-3) << x;
            EXPECT_NEAR(v.ToScreenY(y), sy, 1e-3) << y;
        }
    }
}

TEST(ViewOps, FitViewToRectangle)
{
    // The dragged rectangle, in either corner order, fills the width.
    for (const auto &[ex, ey, sx, sy] :
         std::vector<std::array<double, 4>>{{12, 8, 2, 3}, {2, 3, 12, 8}, {2, 8, 12, 3}}) {
        ViewTransform v = areaView();
        FitViewToRectangle(v, ex, ey, sx, sy);
        EXPECT_FLOAT_EQ(v.scale, 50.0f);
        EXPECT_NEAR(v.ToScreenX(0), 0.0, 1e-9);
        EXPECT_NEAR(v.ToScreenX(10), 20.0, 1e-9);
        EXPECT_NEAR(v.ToScreenY(7.5), 7.5, 1e-9);
    }
    {
        SCOPED_TRACE("a tall rectangle fills the height");
        ViewTransform v = areaView();
        FitViewToRectangle(v, 4, 1, 5, 11);
        EXPECT_NEAR(v.ToScreenY(12.0), 0.0, 1e-9);
        EXPECT_NEAR((v.ToScreenX(2.0) + v.ToScreenX(3.0)) / 2, 10.0, 1e-9);
        EXPECT_NEAR(v.ToScreenY(2.0), 15.0, 1e-3);
    }
    {
        SCOPED_TRACE("a click without a drag changes nothing and pushes nothing new");
        ViewTransform v = areaView();
        const ViewTransform before = v;
        FitViewToRectangle(v, 5, 5, 5, 5);
        expectSameView(v, before);
        PushView(v);
        EXPECT_EQ(v.historyIndex, 0);
    }
    {
        SCOPED_TRACE("a rectangle that would need a scale below 1 is refused");
        ViewTransform v = areaView();
        v.scale = 1.0f;
        const ViewTransform before = v;
        FitViewToRectangle(v, 2, 2, 3, 3);
        expectSameView(v, before);
    }
}

TEST(ViewOps, HistoryKeepsTheLatestDistinctViews)
{
    ViewTransform v = areaView();
    EXPECT_FALSE(zoomPrevious(v));
    EXPECT_EQ(v.historyIndex, 0);

    // An equal view is not recorded twice.
    PushView(v);
    EXPECT_EQ(v.historyIndex, 0);

    // Three pushes, three steps back to the first view.
    const ViewTransform first = v;
    for (int i = 1; i <= 3; ++i) {
        v.scale = 100.0f + i;
        v.offsetX = i;
        PushView(v);
    }
    EXPECT_EQ(v.historyIndex, 3);
    for (int i = 2; i >= 0; --i) {
        EXPECT_TRUE(zoomPrevious(v));
        EXPECT_EQ(v.scale, i == 0 ? 100.0f : 100.0f + i);
    }
    expectSameView(v, first);
    EXPECT_FALSE(zoomPrevious(v));

    // A push after stepping back overwrites the entry above the index.
    v.scale = 7.0f;
    PushView(v);
    EXPECT_EQ(v.historyIndex, 1);
    EXPECT_EQ(v.history[1].scale, 7.0);
}

TEST(ViewOps, The102ndViewDropsTheOldest)
{
    ViewTransform v = areaView(); // view 1 at index 0
    for (int i = 2; i <= 102; ++i) {
        v.offsetX = i;
        PushView(v);
    }
    EXPECT_EQ(v.historyIndex, 100);
    EXPECT_EQ(v.history[0].offsetX, 2.0); // view 2; view 1 is gone
    EXPECT_EQ(v.history[100].offsetX, 102.0);
    int steps = 0;
    while (zoomPrevious(v))
        ++steps;
    EXPECT_EQ(steps, 100);
    EXPECT_EQ(v.offsetX, 2.0);
}

TEST(ViewOps, DragGestures)
{
    {
        SCOPED_TRACE("1 cm down zooms out by 1.05, 1 cm back up returns");
        ViewTransform v = areaView();
        DragState d = beginDrag(v, 5, 5);
        zoomDrag(v, d, 9, 6);
        EXPECT_FLOAT_EQ(v.scale, 105.0f);
        EXPECT_FLOAT_EQ(d.lastY, 6.0f);
        zoomDrag(v, d, 1, 5);
        EXPECT_NEAR(v.scale, 100.0f, 1e-3);
    }
    {
        SCOPED_TRACE("dragging up at scale 1 is refused");
        ViewTransform v = areaView();
        v.scale = 1.0f;
        const ViewTransform before = v;
        DragState d = beginDrag(v, 5, 5);
        zoomDrag(v, d, 5, 4);
        expectSameView(v, before);
        EXPECT_FLOAT_EQ(d.lastY, 4.0f);
    }
    {
        SCOPED_TRACE("a huge drag down never makes the scale infinite");
        ViewTransform v = areaView();
        v.scale = 3e38f;
        DragState d = beginDrag(v, 5, 0);
        zoomDrag(v, d, 5, 100);
        EXPECT_TRUE(std::isfinite(v.scale));
    }
}

TEST(ViewOps, SnapToGrid)
{
    struct Case {
        double value;
        float step;
        double expected;
    };
    const std::vector<Case> cases = {
        {2.5, 1, 3},
        {2.49, 1, 2},
        {-0.5, 1, 0},
        {-0.6, 1, -1},
        {7.3, 2.5f, 7.5},
        {-3.7, 2.5f, -2.5},
        // A grid step that is not positive leaves the value as it is.
        {2.4, 0, 2.4},
        {2.4, -1, 2.4},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " step " << c.step);
        EXPECT_NEAR(SnapToGrid(c.value, c.step), c.expected, 1e-12);
    }
}
