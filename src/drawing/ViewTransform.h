#pragma once
// The mapping between model coordinates (x right, y up) and the drawing
// area's centimetres (origin top-left, y down), with the zoom history.
//
// The drawing area's inner width and height (cm) are kept here too: the
// drawing-area widget renews them on every resize, and every conversion reads
// them afresh, so the picture stays anchored to the lower-left corner.
#include <array>
#include <cstdint>

struct ViewEntry {
    double scale = 0, offsetY = 0, offsetX = 0; // the history's order
};

struct ViewTransform {
    static constexpr int kHistorySize = 101;

    float scale = 100.0f;  // 1 cm shows scale/100 model units; never below 1
    double offsetX = -2.0; // cm
    double offsetY = 2.0;  // cm
    std::array<ViewEntry, kHistorySize> history{};
    std::int16_t historyIndex = 0;

    double areaWidth = 20.0;  // W, cm
    double areaHeight = 15.0; // H, cm

    // The view at which the drawing last told the log that the grid is too
    // dense, so that one zoom writes the notice once however often that view
    // is redrawn afterwards.
    ViewEntry denseGridNotice{};

    // The start-up and New view: scale 100, offsets -2 and 2.
    void resetView()
    {
        scale = 100.0f;
        offsetX = -2.0;
        offsetY = 2.0;
    }
    // Index 0, every entry zero, entry 0 = the current view.
    void resetHistory()
    {
        history.fill(ViewEntry{});
        historyIndex = 0;
        history[0] = ViewEntry{scale, offsetY, offsetX};
        denseGridNotice = ViewEntry{};
    }

    double ToScreenX(double x) const;
    double ToScreenY(double y) const;
    double ToWorldX(double sx) const;
    double ToWorldY(double sy) const;
    double ToScreenLength(double d) const;
};
