#pragma once
// Whether every place and size the painter received is a finite number and
// no text shows "nan" or "inf".
#include "drawing/RecordingCanvas.h"

#include <QString>
#include <cmath>

inline bool allFinite(const RecordingCanvas &c)
{
    bool finite = true;
    for (const auto &l : c.lines())
        finite = finite && std::isfinite(l.x1 + l.y1 + l.x2 + l.y2);
    for (const auto &ci : c.circles())
        finite = finite && std::isfinite(ci.cx + ci.cy + ci.radius);
    for (const auto &t : c.texts())
        finite = finite && std::isfinite(t.x + t.y)
            && !t.text.contains(QLatin1String("nan"), Qt::CaseInsensitive)
            && !t.text.contains(QLatin1String("inf"), Qt::CaseInsensitive);
    return finite;
}
