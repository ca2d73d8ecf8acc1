// The view modes and their mouse gestures: what each press, move and release
// does to the view and which steps it asks of the window.
#include "drawing/ViewGestures.h"
#include "drawing/ViewTransform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

namespace {

using S = GestureStep;

struct Event {
    enum Kind { Press, Move, Release } kind;
    Qt::MouseButton button;
    double x, y;
    GestureSteps expected;
};

Event press(double x, double y, GestureSteps s, Qt::MouseButton b = Qt::LeftButton)
{
    return {Event::Press, b, x, y, s};
}
Event move(double x, double y, GestureSteps s) { return {Event::Move, Qt::NoButton, x, y, s}; }
Event release(double x, double y, GestureSteps s, Qt::MouseButton b = Qt::LeftButton)
{
    return {Event::Release, b, x, y, s};
}

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
     {press(5, 5, S::GripPointer), move(7, 6, S::QuickRedraw), move(8, 9, S::QuickRedraw), release(8, 9, S::Redraw | S::ModePointer)},
     {100, (5 - 2) - 8, (5 + 2) - 9, 1}},
    {"1 cm down zooms out by 1.05 about the centre", ViewMode::Zoom,
     {press(5, 5, {}), move(9, 6, S::QuickRedraw), release(9, 6, S::Redraw | S::ModePointer)},
     {105, -2 - 0.05 * (10 - 2), 2 - 0.05 * (2 - 7.5), 1}},
    // Model x 0..8, y 4..10 in a 20 x 15 cm area: the width is filled and the
    // top-left corner (0, 10) lands on the area's corner.
    {"zoom window fits the dragged rectangle", ViewMode::ZoomWindow,
     {press(10, 9, {}), move(4, 5, S::ShowRubber), move(2, 3, S::ShowRubber), release(2, 3, S::HideRubber | S::Redraw | S::ModePointer)},
     {40, 0, -10, 1}},
    {"right button in a view mode opens the zoom menu", ViewMode::Pan,
     {press(4, 4, {}, Qt::RightButton), move(6, 6, S::ToMouseTool), release(6, 6, S::ZoomMenu, Qt::RightButton)},
     {100, -2, 2, 0}},
    {"no view mode: every event is the mouse tool's", ViewMode::None,
     {press(4, 4, S::ToMouseTool), move(6, 6, S::ToMouseTool), release(6, 6, S::ToMouseTool), release(6, 6, S::ToMouseTool, Qt::RightButton)},
     {100, -2, 2, 0}},
};
// clang-format on

TEST(ViewGestures, EventsChangeTheViewAndAskForSteps)
{
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.name);
        ViewTransform view;
        view.areaWidth = 20;
        view.areaHeight = 15;
        view.resetHistory();
        ViewGestures g;
        g.setMode(c.mode);
        for (std::size_t k = 0; k < c.events.size(); ++k) {
            const Event &e = c.events[k];
            const GestureSteps got = e.kind == Event::Press ? g.press(view, e.button, e.x, e.y)
                : e.kind == Event::Move                     ? g.move(view, e.x, e.y)
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

TEST(ViewGestures, ModesExcludeEachOtherAndToggleOff)
{
    const struct {
        ViewMode from, pressed, to;
        GestureSteps steps;
    } rows[] = {
        {ViewMode::None, ViewMode::Pan, ViewMode::Pan, S::ModePointer | S::HideHoverMarkers},
        {ViewMode::Pan, ViewMode::Zoom, ViewMode::Zoom, S::ModePointer | S::HideHoverMarkers},
        {ViewMode::Zoom, ViewMode::Zoom, ViewMode::None, S::ModePointer},
    };
    for (const auto &r : rows) {
        ViewGestures g;
        g.setMode(r.from);
        EXPECT_EQ(g.toggle(r.pressed).toInt(), r.steps.toInt());
        EXPECT_EQ(g.mode(), r.to);
    }
}

} // namespace
