#include "drawing/gui/RectUnion.h"

#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <functional>

namespace {

// A run of pixels [left, right) across one band; one past a pixel may be
// beyond the range of int.
struct Run {
    qint64 left, right;
    bool operator==(const Run &) const = default;
};

// The runs of one band, joined where they overlap or touch, left to right.
struct Runs {
    std::array<Run, kMaxRectsAtOnce> at;
    int count = 0;
    bool operator==(const Runs &o) const
    {
        return count == o.count && std::equal(at.begin(), at.begin() + count, o.at.begin());
    }
};

// Sorted in place; the handful of items here make this the quickest way.
template <typename T, typename Less>
void insertionSort(T *items, int count, Less less)
{
    for (int i = 1; i < count; ++i)
        for (int j = i; j > 0 && less(items[j], items[j - 1]); --j)
            std::swap(items[j], items[j - 1]);
}

// The runs that the rectangles covering the band from row `top` make.
void runsAt(const QRect *rects, int count, qint64 top, Runs &runs)
{
    Run found[kMaxRectsAtOnce];
    int n = 0;
    for (int i = 0; i < count; ++i)
        if (rects[i].top() <= top && top <= rects[i].bottom())
            found[n++] = Run{rects[i].left(), qint64(rects[i].right()) + 1};
    insertionSort(found, n, [](Run a, Run b) { return a.left < b.left; });
    runs.count = 0;
    for (int i = 0; i < n; ++i) {
        if (runs.count > 0 && found[i].left <= runs.at[runs.count - 1].right)
            runs.at[runs.count - 1].right = std::max(runs.at[runs.count - 1].right, found[i].right);
        else
            runs.at[runs.count++] = found[i];
    }
}

// Two rectangles that make one: one holding the other, or both over the same
// rows or the same columns and overlapping or touching. An item that moved a
// pixel or less across or down, or not at all, leaves these.
bool joinedIntoOne(const QRect &a, const QRect &b, QRect &joined)
{
    const auto along = [](int a0, int a1, int b0, int b1) {
        return qint64(a0) <= qint64(b1) + 1 && qint64(b0) <= qint64(a1) + 1;
    };
    if (a.top() == b.top() && a.bottom() == b.bottom()
        && along(a.left(), a.right(), b.left(), b.right())) {
        joined = QRect(QPoint(std::min(a.left(), b.left()), a.top()),
                       QPoint(std::max(a.right(), b.right()), a.bottom()));
        return true;
    }
    if (a.left() == b.left() && a.right() == b.right()
        && along(a.top(), a.bottom(), b.top(), b.bottom())) {
        joined = QRect(QPoint(a.left(), std::min(a.top(), b.top())),
                       QPoint(a.right(), std::max(a.bottom(), b.bottom())));
        return true;
    }
    if (a.contains(b) || b.contains(a)) {
        joined = a.contains(b) ? a : b;
        return true;
    }
    return false;
}

} // namespace

// QRegion keeps its rectangles in bands from top to bottom, each band's
// rectangles of one height from left to right, neither overlapping nor
// touching sideways; it takes them as they are when they come that way. A
// band that goes on with the same runs as the one above it is merged into it.
QRegion unionOfRects(std::span<const QRect> rects)
{
    QRect kept[kMaxRectsAtOnce];
    int count = 0;
    for (const QRect &r : rects) {
        if (r.isEmpty())
            continue;
        if (count == kMaxRectsAtOnce) {
            QRegion region;
            for (const QRect &each : rects)
                region += each;
            return region;
        }
        kept[count++] = r;
    }
    if (count <= 1)
        return count ? QRegion(kept[0]) : QRegion();
    if (QRect joined; count == 2 && joinedIntoOne(kept[0], kept[1], joined))
        return QRegion(joined);
    qint64 edges[2 * kMaxRectsAtOnce]; // rows where a band may begin or end
    int edgeCount = 0;
    for (int i = 0; i < count; ++i) {
        edges[edgeCount++] = kept[i].top();
        edges[edgeCount++] = qint64(kept[i].bottom()) + 1;
    }
    insertionSort(edges, edgeCount, std::less<qint64>());
    edgeCount = int(std::unique(edges, edges + edgeCount) - edges);

    QVarLengthArray<QRect, 4 * kMaxRectsAtOnce> out;
    Runs bands[2];            // this band's runs and those of the band above, in turn
    int now = 0;              // which of them is this band's
    qsizetype aboveStart = 0; // where the band above begins in `out`
    for (int i = 0; i + 1 < edgeCount; ++i) {
        const qint64 top = edges[i], bottom = edges[i + 1];
        Runs &runs = bands[now];
        const Runs &above = bands[1 - now];
        runsAt(kept, count, top, runs);
        // The bands lie edge to edge, so the band above ends where this one begins.
        if (runs.count > 0 && runs == above) {
            for (qsizetype j = aboveStart; j < out.size(); ++j)
                out[j].setBottom(int(bottom - 1));
        } else {
            aboveStart = out.size();
            for (int j = 0; j < runs.count; ++j)
                out.append(QRect(QPoint(int(runs.at[j].left), int(top)),
                                 QPoint(int(runs.at[j].right - 1), int(bottom - 1))));
            now = 1 - now;
        }
    }
    QRegion region;
    region.setRects(out.constData(), int(out.size()));
    return region;
}
