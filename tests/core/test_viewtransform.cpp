// The view transform: the fit to the model, the zoom history and grid snapping.
#include "core/Fixtures.h"
#include "drawing/ViewOps.h"
#include "drawing/ViewTransform.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <tuple>

namespace {

ViewTransform areaView(double W = 20.0, double H = 15.0)
{
    ViewTransform v;
    v.areaWidth = W;
    v.areaHeight = H;
    v.resetHistory();
    return v;
}

auto viewOf(const ViewTransform &v) { return std::tuple(v.scale, v.offsetX, v.offsetY); }

TEST(ViewOps, FitViewToModel)
{
    const struct {
        std::vector<std::array<float, 2>> nodes;
        double W, H;
        float scale;                               // 250: the view is kept
        std::vector<std::array<double, 4>> points; // model (x, y) lands on screen (x, y)
    } cases[] = {
        // clang-format off
        {{}, 20, 15, 250, {{0, 0, 2, 13}}}, // empty: origin 2 cm in from left and bottom
        {{{3, -4}}, 20, 15, 250, {{3, -4, 10, 7.5}}}, // one node is centred
        // One row fits the width: 1000 / 16.4 to 3 places, 1.8 cm at both ends.
        {{{0, 2}, {10, 2}, {4, 2}}, 20, 15, 60.976f, {{0, 2, 1.8, 7.5}, {10, 2, 18.2, 7.5}}},
        {{{1, 0}, {1, 4}}, 20, 15, 35.088f, {{1, 4, 10, 1.8}, {1, 0, 10, 13.2}}}, // column: height
        // Coincident nodes, an area of no size: the view is kept.
        {{{2, 2}, {2, 2}}, 20, 15, 250, {}},
        {{{0, 0}, {10, 1}}, 0, 0, 250, {}},
        // clang-format on
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.nodes.size());
        ViewTransform v = areaView(c.W, c.H);
        v.scale = 250.0f;
        v.offsetX = 0.5;
        v.offsetY = -1.25;
        const auto before = viewOf(v);
        Model m;
        for (const auto &[x, y] : c.nodes)
            truss::node(m, x, y);
        FitViewToModel(v, m);
        EXPECT_FLOAT_EQ(v.scale, c.scale);
        EXPECT_TRUE(!c.points.empty() || viewOf(v) == before);
        for (const auto &[x, y, sx, sy] : c.points)
            EXPECT_TRUE(std::abs(v.ToScreenX(x) - sx) < 1e-3
                        && std::abs(v.ToScreenY(y) - sy) < 1e-3)
                << x << "," << y;
    }
}

// The history keeps the latest 101 distinct views; stepping back and
// pushing again overwrites what lay above.
TEST(ViewOps, HistoryKeepsTheLatestDistinctViews)
{
    ViewTransform v = areaView();
    EXPECT_FALSE(zoomPrevious(v));
    PushView(v); // an equal view is not recorded twice
    EXPECT_EQ(v.historyIndex, 0);
    for (int i = 2; i <= 102; ++i) {
        v.offsetX = i;
        PushView(v);
    }
    EXPECT_EQ(std::tuple(v.historyIndex, v.history[0].offsetX, v.history[100].offsetX),
              std::tuple(100, 2.0, 102.0)); // view 1 is gone
    int steps = 0;
    while (zoomPrevious(v))
        ++steps;
    EXPECT_EQ(std::pair(steps, v.offsetX), std::pair(100, 2.0));
    v.scale = 7.0f;
    PushView(v);
    EXPECT_EQ(v.historyIndex, 1);
    EXPECT_TRUE(zoomPrevious(v));
    EXPECT_EQ(v.scale, 100.0f);
}

TEST(ViewOps, SnapToGrid)
{
    const struct {
        double value;
        float step;
        double expected;
    } cases[] = {
        {2.5, 1, 3},        {-0.5, 1, 0},  {-0.6, 1, -1},
        {-3.7, 2.5f, -2.5}, {2.4, 0, 2.4}, // no usable step: unchanged
    };
    for (const auto &c : cases)
        EXPECT_NEAR(SnapToGrid(c.value, c.step), c.expected, 1e-12) << c.value << " " << c.step;
}

} // namespace
