#pragma once
// What the drawing tests check of every picture: that the painter got only
// finite numbers.
#include "drawing/RecordingCanvas.h"

#include <QString>
#include <cmath>

// Whether every place and size the painter received is a finite number and
// no text shows "nan" or "inf".
inline bool allFinite(const RecordingCanvas &c)
{
    for (const auto &l : c.lines())
        if (!std::isfinite(l.x1 + l.y1 + l.x2 + l.y2))
            return false;
    for (const auto &ci : c.circles())
        if (!std::isfinite(ci.cx + ci.cy + ci.radius))
            return false;
    for (const auto &t : c.texts())
        if (!std::isfinite(t.x + t.y) || t.text.contains(QLatin1String("nan"), Qt::CaseInsensitive)
            || t.text.contains(QLatin1String("inf"), Qt::CaseInsensitive))
            return false;
    return true;
}
