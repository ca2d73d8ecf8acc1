#include "drawing/ViewOps.h"

#include "common/NumberForms.h"
#include "drawing/ViewTransform.h"
#include "model/Model.h"

#include <algorithm>
#include <cmath>

double SnapToGrid(double value, float gridStep)
{
    // A zero, negative or broken grid step (possible in a hand-edited model
    // file or settings store) would turn every picked point into NaN; the
    // point is then taken as it is.
    if (!(gridStep > 0.0f) || !std::isfinite(gridStep))
        return value;
    const double g = gridStep;
    const double r = value - std::floor(value / g) * g;
    if (static_cast<float>(r) >= static_cast<float>(g / 2.0))
        return value - r + g;
    return value - r;
}

namespace {

// A fitted scale is usable when it is finite as a float and not below 1.
// Testing it before any offset is computed keeps a zero, negative or infinite
// scale (all nodes at one point, an area narrower than the margins, an area
// of no size) away from every division.
bool usableScale(float scale) { return std::isfinite(scale) && scale >= 1.0f; }

struct Extent {
    double xmin, xmax, ymin, ymax;
};

// Fits the extent into the area less twice the margin on each axis; the far
// edges are placed `margin` cm from the left and top edges. Returns false
// (view untouched) when the scale would be below 1.
bool fitExtent(ViewTransform &view, const Extent &e, double margin)
{
    const double W = view.areaWidth;
    const double H = view.areaHeight;
    const double usableW = W - 2.0 * margin;
    const double usableH = H - 2.0 * margin;
    const double dx = e.xmax - e.xmin;
    const double dy = e.ymax - e.ymin;

    bool fitHeight;
    if (e.xmin == e.xmax)
        fitHeight = true;
    else if (e.ymin == e.ymax)
        fitHeight = false;
    else
        fitHeight = usableH / dy < usableW / dx;

    if (fitHeight) {
        const float scale = static_cast<float>(nf::RoundTo(100.0 * dy / usableH, 3));
        if (!usableScale(scale))
            return false;
        view.scale = scale;
        view.offsetY = (H - 100.0 * e.ymax / scale) - margin;
        view.offsetX = 100.0 * e.xmin / scale - (W - 100.0 * dx / scale) / 2.0;
    } else {
        const float scale = static_cast<float>(nf::RoundTo(100.0 * dx / usableW, 3));
        if (!usableScale(scale))
            return false;
        view.scale = scale;
        view.offsetX = 100.0 * e.xmin / scale - margin;
        view.offsetY = (H - 100.0 * e.ymax / scale) - (H - 100.0 * dy / scale) / 2.0;
    }
    return true;
}

} // namespace

void FitViewToModel(ViewTransform &view, const Model &model)
{
    const int count = std::clamp<int>(model.nodeCount, 0, kMaxNodes);
    if (count == 0) {
        view.offsetX = -2.0;
        view.offsetY = 2.0;
        return;
    }
    if (count == 1) {
        const Node &n = model.nodes[1];
        view.offsetX = 100.0 * n.x / view.scale - view.areaWidth / 2.0;
        view.offsetY = (view.areaHeight - 100.0 * n.y / view.scale) - view.areaHeight / 2.0;
        return;
    }
    Extent e{model.nodes[1].x, model.nodes[1].x, model.nodes[1].y, model.nodes[1].y};
    for (int n = 2; n <= count; ++n) {
        e.xmin = std::min<double>(e.xmin, model.nodes[n].x);
        e.xmax = std::max<double>(e.xmax, model.nodes[n].x);
        e.ymin = std::min<double>(e.ymin, model.nodes[n].y);
        e.ymax = std::max<double>(e.ymax, model.nodes[n].y);
    }
    fitExtent(view, e, 1.8);
}

void FitViewToRectangle(ViewTransform &view, double endX, double endY, double startX, double startY)
{
    const double left = std::min(endX, startX);
    const double right = std::max(endX, startX);
    const double top = std::min(endY, startY);
    const double bottom = std::max(endY, startY);
    const Extent e{view.ToWorldX(left), view.ToWorldX(right), view.ToWorldY(bottom),
                   view.ToWorldY(top)};
    if (e.xmin == e.xmax && e.ymin == e.ymax)
        return; // a click without a drag
    fitExtent(view, e, 0.0);
}

void PushView(ViewTransform &view)
{
    int index = std::clamp<int>(view.historyIndex, 0, ViewTransform::kHistorySize - 1);
    const ViewEntry &current = view.history[index];
    if (static_cast<float>(current.scale) == view.scale && current.offsetY == view.offsetY
        && current.offsetX == view.offsetX) {
        return;
    }
    if (index == ViewTransform::kHistorySize - 1) {
        std::move(view.history.begin() + 1, view.history.end(), view.history.begin());
        index = ViewTransform::kHistorySize - 2;
    }
    ++index;
    view.history[index] = ViewEntry{view.scale, view.offsetY, view.offsetX};
    view.historyIndex = static_cast<std::int16_t>(index);
}

bool zoomPrevious(ViewTransform &view)
{
    int index = std::clamp<int>(view.historyIndex, 0, ViewTransform::kHistorySize - 1);
    if (index == 0)
        return false;
    --index;
    const ViewEntry &e = view.history[index];
    view.scale = static_cast<float>(e.scale);
    view.offsetY = e.offsetY;
    view.offsetX = e.offsetX;
    view.historyIndex = static_cast<std::int16_t>(index);
    return true;
}

DragState beginDrag(const ViewTransform &view, double x, double y)
{
    DragState d;
    d.downX = static_cast<float>(x);
    d.downY = static_cast<float>(y);
    d.anchorX = static_cast<float>(d.downX + view.offsetX);
    d.anchorY = static_cast<float>(d.downY + view.offsetY);
    d.lastY = d.downY;
    return d;
}

void panDrag(ViewTransform &view, const DragState &drag, double x, double y)
{
    // The model point under the pointer at button-down stays under it.
    view.offsetX = drag.anchorX - static_cast<float>(x);
    view.offsetY = drag.anchorY - static_cast<float>(y);
}

void zoomDrag(ViewTransform &view, DragState &drag, double x, double y)
{
    (void)x; // only the vertical movement zooms
    const float Y = static_cast<float>(y);
    double k;
    if (Y > drag.lastY)
        k = 1.0 + (Y - drag.lastY) / 20.0;
    else
        k = 1.0 / (1.0 + (drag.lastY - Y) / 20.0);

    const float zoomed = static_cast<float>(k * view.scale);
    // A long drag down cannot push the scale past what a float holds.
    if (k * view.scale >= 1.0 && std::isfinite(zoomed)) {
        view.scale = zoomed;
        // Keeps the centre of the area approximately where it was.
        view.offsetX = view.offsetX - (k - 1.0) * (view.areaWidth / 2.0 + view.offsetX);
        view.offsetY = view.offsetY - (k - 1.0) * (view.offsetY - view.areaHeight / 2.0);
    }
    drag.lastY = Y;
}
