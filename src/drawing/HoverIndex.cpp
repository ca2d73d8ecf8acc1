#include "drawing/HoverIndex.h"

#include "drawing/DrawingSupport.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>

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

// Cells at least this wide (cm), and at most this many across and down: a
// pointer finds a handful of items in its cell, and a change of the view
// lists every item in a few hundred cells at most.
constexpr double kMinCellSize = 1.0;
constexpr int kMaxCellsAcross = 32;
// Boxes are listed this much (cm) larger than their reach, far more than the
// rounding of the tests that later decide.
constexpr double kSlack = 0.01;

struct Box {
    double left, right, top, bottom;
};

} // namespace

HoverIndex::HoverIndex(double nodeReach, double segmentReach)
    : m_nodeReach(nodeReach), m_segmentReach(segmentReach)
{
}

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

    placeCells(v);
    const double n = m_nodeReach + kSlack;
    m_nodeCells.all.resize(m_nodeCount);
    std::iota(m_nodeCells.all.begin(), m_nodeCells.all.end(), 1);
    fill(m_nodeCells, [&](int i) {
        return Box{m_screenX[i] - n, m_screenX[i] + n, m_screenY[i] - n, m_screenY[i] + n};
    });
    const double s = m_segmentReach + kSlack;
    m_segmentCells.all.resize(m_segments.size());
    std::iota(m_segmentCells.all.begin(), m_segmentCells.all.end(), 0);
    fill(m_segmentCells, [&](int i) {
        const Segment &g = m_segments[i];
        return Box{g.minX - s, g.maxX + s, g.minY - s, g.maxY + s};
    });
}

void HoverIndex::placeCells(const ViewTransform &v)
{
    const double width = v.areaWidth, height = v.areaHeight;
    m_columns = m_rows = 0;
    if (!(width > 0 && height > 0 && std::isfinite(width) && std::isfinite(height)))
        return;
    m_cellSize = std::max({kMinCellSize, width / kMaxCellsAcross, height / kMaxCellsAcross});
    m_columns = std::clamp(static_cast<int>(std::ceil(width / m_cellSize)), 1, kMaxCellsAcross);
    m_rows = std::clamp(static_cast<int>(std::ceil(height / m_cellSize)), 1, kMaxCellsAcross);
}

int HoverIndex::cellOf(double x, double y) const
{
    const double column = x / m_cellSize, row = y / m_cellSize;
    if (!(column >= 0 && column < m_columns && row >= 0 && row < m_rows))
        return -1;
    return static_cast<int>(row) * m_columns + static_cast<int>(column);
}

// A box is listed in every cell from the one of its low corner to the one
// of its high corner, both clamped to the cells, so that every point in it
// that lies in a cell finds it there. A side that is not a number reaches
// to the last cell that way.
template <typename BoxOf>
void HoverIndex::fill(Cells &cells, BoxOf boxOf) const
{
    const int count = m_columns * m_rows;
    cells.start.assign(count + 1, 0);
    cells.items.clear();
    if (count == 0)
        return;
    const auto low = [this](double v, int across) {
        const double t = v / m_cellSize;
        return t >= 0 ? (t < across ? static_cast<int>(t) : across - 1) : 0;
    };
    const auto high = [this](double v, int across) {
        const double t = v / m_cellSize;
        return t < across ? (t >= 0 ? static_cast<int>(t) : 0) : across - 1;
    };
    struct Span {
        int column0, column1, row0, row1;
    };
    std::vector<Span> spans;
    spans.reserve(cells.all.size());
    for (const int item : cells.all) {
        const Box b = boxOf(item);
        spans.push_back(Span{low(b.left, m_columns), high(b.right, m_columns), low(b.top, m_rows),
                             high(b.bottom, m_rows)});
    }
    // Counted first, then placed, so that each cell keeps its items in order.
    const auto each = [&](const Span &sp, auto &&visit) {
        for (int r = sp.row0; r <= sp.row1; ++r)
            for (int c = sp.column0; c <= sp.column1; ++c)
                visit(r * m_columns + c);
    };
    for (const Span &sp : spans)
        each(sp, [&](int cell) { ++cells.start[cell + 1]; });
    std::partial_sum(cells.start.begin(), cells.start.end(), cells.start.begin());
    cells.items.resize(cells.start.back());
    std::vector<int> next(cells.start.begin(), cells.start.end() - 1);
    for (std::size_t i = 0; i < spans.size(); ++i)
        each(spans[i], [&](int cell) { cells.items[next[cell]++] = cells.all[i]; });
}

std::span<const int> HoverIndex::near(const Cells &cells, double x, double y) const
{
    const int cell = cellOf(x, y);
    if (cell < 0)
        return cells.all;
    return std::span<const int>(cells.items)
        .subspan(cells.start[cell], cells.start[cell + 1] - cells.start[cell]);
}

std::span<const int> HoverIndex::nodesNear(double x, double y) const
{
    return near(m_nodeCells, x, y);
}

std::span<const int> HoverIndex::segmentsNear(double x, double y) const
{
    return near(m_segmentCells, x, y);
}
