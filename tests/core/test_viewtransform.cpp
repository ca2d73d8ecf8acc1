// The view: the fit to the model, grid snapping, the view modes' gestures
// (the view each event leaves, the steps it asks for), the animation frames.
#include "core/Fixtures.h"
#include "drawing/AnimationSequence.h"
#include "drawing/ViewGestures.h"
#include "drawing/ViewOps.h"
#include "drawing/ViewTransform.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <tuple>
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

// A drag zoom is refused below scale 1 and never gives an infinite scale.
TEST(ViewOps, DragZoomIsRefusedAtScaleOneAndStaysFinite)
{
    ViewTransform v = areaView();
    v.scale = 1.0f;
    DragState d = beginDrag(v, 5, 5);
    zoomDrag(v, d, 5, 4); // up: in
    EXPECT_EQ(std::pair(v.scale, d.lastY), std::pair(1.0f, 4.0f));
    v.scale = 3e38f;
    d = beginDrag(v, 5, 0);
    zoomDrag(v, d, 5, 100);
    EXPECT_TRUE(std::isfinite(v.scale));
}

TEST(ViewOps, SnapToGrid)
{
    // The last has no usable step and is left as it is.
    const std::tuple<double, float, double> cases[] = {
        {2.5, 1, 3}, {-0.5, 1, 0}, {-0.6, 1, -1}, {-3.7, 2.5f, -2.5}, {2.4, 0, 2.4}};
    for (const auto &[value, step, expected] : cases)
        EXPECT_NEAR(SnapToGrid(value, step), expected, 1e-12) << value << " " << step;
}

using S = GestureStep;

// 'p'ress, 'm'ove or 'r'elease at (x, y), and the steps it must ask for.
struct Event {
    char kind;
    double x, y;
    GestureSteps expected;
    Qt::MouseButton button = Qt::LeftButton;
};

struct Case {
    const char *name;
    ViewMode mode;
    std::vector<Event> events;
    std::tuple<float, double, double, int> after; // scale, offsets, history index
};

// A 20 x 15 cm area at the start-up view: scale 100, offsets -2 and 2.
// clang-format off
const std::vector<Case> kCases = {
    {"pan keeps the point under the pointer, one history step", ViewMode::Pan,
     {{'p', 5, 5, S::GripPointer}, {'m', 7, 6, S::QuickRedraw}, {'m', 8, 9, S::QuickRedraw}, {'r', 8, 9, S::Redraw | S::ModePointer}},
     {100, (5 - 2) - 8, (5 + 2) - 9, 1}},
    {"1 cm down zooms out by 1.05 about the centre", ViewMode::Zoom,
     {{'p', 5, 5, {}}, {'m', 9, 6, S::QuickRedraw}, {'r', 9, 6, S::Redraw | S::ModePointer}},
     {105, -2 - 0.05 * (10 - 2), 2 - 0.05 * (2 - 7.5), 1}},
    // Model x 0..8, y 4..10 in a 20 x 15 cm area: the width is filled and the
    // top-left corner (0, 10) lands on the area's corner.
    {"zoom window fits the dragged rectangle", ViewMode::ZoomWindow,
     {{'p', 10, 9, {}}, {'m', 4, 5, S::ShowRubber}, {'m', 2, 3, S::ShowRubber}, {'r', 2, 3, S::HideRubber | S::Redraw | S::ModePointer}},
     {40, 0, -10, 1}},
    {"right button in a view mode opens the zoom menu", ViewMode::Pan,
     {{'p', 4, 4, {}, Qt::RightButton}, {'m', 6, 6, S::ToMouseTool}, {'r', 6, 6, S::ZoomMenu, Qt::RightButton}},
     {100, -2, 2, 0}},
    {"no view mode: every event is the mouse tool's", ViewMode::None,
     {{'p', 4, 4, S::ToMouseTool}, {'m', 6, 6, S::ToMouseTool}, {'r', 6, 6, S::ToMouseTool}, {'r', 6, 6, S::ToMouseTool, Qt::RightButton}},
     {100, -2, 2, 0}},
};
// clang-format on

TEST(ViewGestures, EventsChangeTheViewAndAskForSteps)
{
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.name);
        ViewTransform view = areaView();
        ViewGestures g;
        g.setMode(c.mode);
        for (std::size_t k = 0; k < c.events.size(); ++k) {
            const Event &e = c.events[k];
            const GestureSteps got = e.kind == 'p' ? g.press(view, e.button, e.x, e.y)
                : e.kind == 'm'                    ? g.move(view, e.x, e.y)
                                                   : g.release(view, e.button, e.x, e.y);
            EXPECT_EQ(got.toInt(), e.expected.toInt()) << "event " << k;
        }
        const auto [scale, offsetX, offsetY, historyIndex] = c.after;
        EXPECT_FLOAT_EQ(view.scale, scale);
        EXPECT_TRUE(std::abs(view.offsetX - offsetX) < 1e-9
                    && std::abs(view.offsetY - offsetY) < 1e-9)
            << view.offsetX << "," << view.offsetY;
        EXPECT_EQ(view.historyIndex, historyIndex);
        EXPECT_FALSE(g.buttonHeld());
    }
}

// The fractions an animation draws until it stops, with the running flag
// cleared just before frame number `clearAt` (counted from 0) is asked for.
std::vector<double> play(int frames, int clearAt, int limit)
{
    AnimationSequence seq(frames);
    std::vector<double> shown;
    for (int i = 0; i < limit; ++i) {
        const auto phi = seq.next(i < clearAt);
        if (!phi)
            break;
        shown.push_back(*phi);
    }
    return shown;
}

} // namespace

TEST(AnimationSequence, ASwingShowsEveryFrameUpAndDownWithTheTurningFramesTwice)
{
    std::vector<double> swing;
    for (int k = 0; k < 202; ++k)
        swing.push_back((k <= 100 ? k : 201 - k) / 100.0);
    EXPECT_EQ(play(100, 1 << 30, 202), swing);
    EXPECT_EQ(play(1, 1 << 30, 8), (std::vector<double>{0, 1, 1, 0, 0, 1, 1, 0}));
    EXPECT_EQ(play(0, 1 << 30, 4), (std::vector<double>{0, 1, 1, 0})); // below 1: as one
    // The running flag counts at the start of each half and at each frame of
    // a falling half: cleared before the start, in a rising half, in a falling
    // half, in the second rising half.
    EXPECT_EQ((std::vector{play(100, 0, 999).size(), play(100, 30, 999).size(),
                           play(100, 150, 999).size(), play(4, 12, 999).size()}),
              (std::vector<std::size_t>{0, 101, 150, 15}));
}
