#pragma once
// Small helpers shared by the layers of the model drawing.
#include "common/MessageLog.h"
#include "common/Settings.h"
#include "drawing/Canvas.h"
#include "drawing/DrawingContext.h"
#include "drawing/ViewTransform.h"
#include "model/AnalysisResults.h"
#include "model/Model.h"

#include <algorithm>

namespace drawing {

inline bool validNode(const Model &m, int n)
{
    return n >= 1 && n <= m.nodeCount && n <= kMaxNodes;
}

// An element can be drawn when both its nodes exist; an element row that
// refers outside the node table is skipped rather than read out of range.
inline bool drawableElement(const Model &m, int e)
{
    return e >= 1 && e <= m.elementCount && e <= kMaxElements && validNode(m, m.nodeI(e))
        && validNode(m, m.nodeJ(e));
}

inline int nodeCount(const Model &m)
{
    return m.nodeCount < 0 ? 0 : std::min<int>(m.nodeCount, kMaxNodes);
}
inline int elementCount(const Model &m)
{
    return m.elementCount < 0 ? 0 : std::min<int>(m.elementCount, kMaxElements);
}

// A line given by its start point and the offsets to its end point.
inline void lineBy(Canvas &c, double x, double y, double dx, double dy)
{
    c.line(x, y, x + dx, y + dy);
}

} // namespace drawing
