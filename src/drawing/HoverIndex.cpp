#include "drawing/HoverIndex.h"

#include "drawing/DrawingSupport.h"

#include <algorithm>
#include <cstring>

namespace {

// The node an element end refers to, 0 when it names none. A whole number
// in range is taken as it is; anything else goes through the model's own
// rounding, as the drawing does.
int nodeOf(const Model &m, int e, bool endI)
{
    const float reference = endI ? m.elements[e].ni : m.elements[e].nj;
    const int nodes = drawing::nodeCount(m);
    if (reference >= 1.0f && reference <= float(nodes)) {
        const int whole = static_cast<int>(reference);
        if (static_cast<float>(whole) == reference)
            return whole;
    }
    const int n = endI ? m.nodeI(e) : m.nodeJ(e);
    return drawing::validNode(m, n) ? n : 0;
}

// Byte for byte, so that a coordinate that is not a number still counts as
// unchanged and any other change, however small, counts as a change.
template <typename T>
bool sameRows(const std::vector<T> &kept, const T *rows, int count)
{
    return static_cast<int>(kept.size()) == count
        && (count == 0 || std::memcmp(kept.data(), rows, sizeof(T) * count) == 0);
}

} // namespace

bool HoverIndex::current(const Model &m, const ViewTransform &v) const
{
    const int nodes = drawing::nodeCount(m), elements = drawing::elementCount(m);
    return m_built && m_nodeCount == nodes && m_elementCount == elements
        && std::memcmp(&m_scale, &v.scale, sizeof m_scale) == 0
        && std::memcmp(&m_offsetX, &v.offsetX, sizeof m_offsetX) == 0
        && std::memcmp(&m_offsetY, &v.offsetY, sizeof m_offsetY) == 0
        && std::memcmp(&m_areaHeight, &v.areaHeight, sizeof m_areaHeight) == 0
        && sameRows(m_nodes, &m.nodes[1], nodes) && sameRows(m_elements, &m.elements[1], elements);
}

void HoverIndex::refresh(const Model &m, const ViewTransform &v)
{
    if (!current(m, v))
        rebuild(m, v);
}

void HoverIndex::rebuild(const Model &m, const ViewTransform &v)
{
    m_built = true;
    m_nodeCount = drawing::nodeCount(m);
    m_elementCount = drawing::elementCount(m);
    m_nodes.assign(m.nodes.begin() + 1, m.nodes.begin() + 1 + m_nodeCount);
    m_elements.assign(m.elements.begin() + 1, m.elements.begin() + 1 + m_elementCount);
    m_scale = v.scale;
    m_offsetX = v.offsetX;
    m_offsetY = v.offsetY;
    m_areaHeight = v.areaHeight;

    m_screenX.assign(m_nodeCount + 1, 0.0);
    m_screenY.assign(m_nodeCount + 1, 0.0);
    for (int n = 1; n <= m_nodeCount; ++n) {
        m_screenX[n] = v.ToScreenX(m.nodes[n].x);
        m_screenY[n] = v.ToScreenY(m.nodes[n].y);
    }
    m_segments.clear();
    for (int e = 1; e <= m_elementCount; ++e) {
        const int i = nodeOf(m, e, true), j = nodeOf(m, e, false);
        if (!i || !j)
            continue;
        const double x1 = m_screenX[i], y1 = m_screenY[i], x2 = m_screenX[j], y2 = m_screenY[j];
        m_segments.push_back(Segment{e, x1, y1, x2, y2, std::min(x1, x2), std::max(x1, x2),
                                     std::min(y1, y2), std::max(y1, y2)});
    }
}
