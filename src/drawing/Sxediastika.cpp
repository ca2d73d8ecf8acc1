// The redraw dispatcher and the layers that do not depend on the model: the
// grid and the axes symbol; plus the light picture used during view drags.
#include "drawing/Sxediastika.h"

#include "common/NumberForms.h"
#include "drawing/DrawingSupport.h"
#include "drawing/ResultViews.h"

#include <cmath>

using drawing::lineBy;

namespace {

double gridStepCm(float kannab, double scale)
{
    return static_cast<double>(kannab) * 100.0 / scale;
}

} // namespace

void RedrawDrawingArea(const DrawingContext &dc, Canvas &canvas, const RedrawExtras &extras)
{
    switch (dc.drawingMode) {
    case ModeModel:
        canvas.clear(colourValue(dc.settings.xroma_background));
        DrawGrid(dc, canvas);
        DrawAxes(dc, canvas);
        DrawElements(dc, canvas);
        DrawNodalLoads(dc, canvas);
        DrawNodes(dc, canvas);
        break;
    case ModeColourDiagram:
        canvas.clear(colourValue(dc.settings.xroma_background));
        DrawGrid(dc, canvas);
        DrawAxes(dc, canvas);
        DrawColourDiagram(dc, canvas, extras.colourLegend);
        DrawNodes(dc, canvas);
        break;
    case ModeAxialForce: DrawForceDiagram(dc, canvas); break;
    case ModeDeformed: DrawDeformedModel(dc, canvas); break;
    case ModeAnimation: drawAnimationFrame(dc, canvas, extras.animationPhase); break;
    default: break;
    }
}

void DrawGrid(const DrawingContext &dc, Canvas &canvas)
{
    const Settings &s = dc.settings;
    ViewTransform &view = dc.view;
    if (!s.nai_grid)
        return;
    const double W = view.areaWidth;
    const double H = view.areaHeight;
    const double p = gridStepCm(s.kannab, view.scale);

    if (p >= 0.1) {
        const double ex = view.offsetX - std::floor(view.offsetX / p) * p;
        const double ey = view.offsetY - std::floor(view.offsetY / p) * p;
        canvas.setForeColour(colourValue(s.xroma_grid));
        canvas.setLineWidth(1);
        const int columns = nf::toInt32Clamped(std::floor(W / p)) + 1;
        for (int i = 1; i <= columns; ++i)
            lineBy(canvas, i * p - ex, 0.0, 0.0, H);
        const int rows = nf::toInt32Clamped(H / p);
        for (int j = 0; j <= rows; ++j)
            lineBy(canvas, 0.0, H - j * p - ey, W, 0.0);
        return;
    }
    if (p < 0.1) {
        // Tell the user once, when a zoom has just made the grid too dense:
        // the view before it still showed the grid, and this view has not
        // been told about yet.
        const int index = view.historyIndex;
        const double previousScale = (index > 0 && index < ViewTransform::kHistorySize)
            ? view.history[index - 1].scale
            : view.scale;
        const ViewEntry current{view.scale, view.offsetY, view.offsetX};
        const ViewEntry &told = view.denseGridNotice;
        const bool alreadyTold = static_cast<float>(told.scale) == view.scale
            && told.offsetX == current.offsetX && told.offsetY == current.offsetY;
        if (gridStepCm(s.kannab, previousScale) >= 0.1 && !alreadyTold) {
            dc.log.append(QStringLiteral("Grid to dense to display."), LogRed, false);
            view.denseGridNotice = current;
        }
    }
}

void DrawAxes(const DrawingContext &dc, Canvas &canvas)
{
    const Settings &s = dc.settings;
    canvas.setFontSize(8);
    if (s.nai_aksones) {
        canvas.setForeColour(colourValue(s.xroma_aksonon));
        canvas.setLineWidth(1);
        const double ox = dc.view.ToScreenX(0.0);
        const double oy = dc.view.ToScreenY(0.0);

        // x arrow, head closed by a short vertical stroke
        lineBy(canvas, ox - 0.2, oy, 1.7, 0.0);
        const double tipX = ox + 1.8;
        lineBy(canvas, tipX, oy, -0.3, 0.1);
        lineBy(canvas, tipX, oy, -0.3, -0.1);
        lineBy(canvas, tipX - 0.3, oy - 0.1, 0.0, 0.2);
        canvas.setTextPosition(ox + 1.6, oy + 0.1);
        canvas.text(QStringLiteral("x"));

        // y arrow, pointing up the screen
        lineBy(canvas, ox, oy + 0.2, 0.0, -1.7);
        const double tipY = oy - 1.8;
        lineBy(canvas, ox, tipY, -0.1, 0.3);
        lineBy(canvas, ox, tipY, 0.1, 0.3);
        lineBy(canvas, ox - 0.1, tipY + 0.3, 0.2, 0.0);
        canvas.setTextPosition(ox - 0.35, oy - 1.8);
        canvas.text(QStringLiteral("y"));
    }
    canvas.setFontSize(7);
}

void QuickRedraw(const DrawingContext &dc, Canvas &canvas)
{
    const Model &m = dc.model;
    canvas.clear(colourValue(dc.settings.xroma_background));
    DrawAxes(dc, canvas);
    canvas.setForeColour(colourValue(dc.settings.xroma_stoixeion));
    canvas.setLineWidth(1);
    for (int e = 1; e <= drawing::elementCount(m); ++e) {
        if (!drawing::drawableElement(m, e))
            continue;
        const Node &a = m.nodes[m.nodeI(e)];
        const Node &b = m.nodes[m.nodeJ(e)];
        canvas.line(dc.view.ToScreenX(a.x), dc.view.ToScreenY(a.y), dc.view.ToScreenX(b.x),
                    dc.view.ToScreenY(b.y));
    }
}
