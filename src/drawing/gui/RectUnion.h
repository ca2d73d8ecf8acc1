#pragma once
// The region a few rectangles cover, built in one pass. A pointer move
// repaints the union of a handful of small rectangles (each item's old and
// new place), and adding them to a QRegion one by one merges a whole region
// each time, which costs more than painting some of them.
#include <QRect>
#include <QRegion>

#include <span>

constexpr int kMaxRectsAtOnce = 16;

// The pixels that adding every rectangle of `rects` to an empty QRegion
// covers, in QRegion's own banded form: built at once for up to kMaxRectsAtOnce
// non-empty ones, added one by one beyond that.
QRegion unionOfRects(std::span<const QRect> rects);
