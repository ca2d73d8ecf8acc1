// The deformed model and the frames of the deformation animation.
#include "common/NumberForms.h"
#include "drawing/DrawingSupport.h"
#include "drawing/ResultQuantity.h"
#include "drawing/ResultViews.h"
#include "drawing/Sxediastika.h"

#include <utility>

namespace {

struct ScreenPoint {
    double x, y;
};

// Model units a unit of displacement is drawn as: 1000 / Ena_cm_posa_m_epi_1000
// (0 for a magnification that would divide by zero).
double magnification(const Settings &s)
{
    return finiteOrZero(1000.0 / static_cast<double>(s.Ena_cm_posa_m_epi_1000));
}

// Node n at the fraction phi of its displacement, on the screen.
ScreenPoint deformedNode(const DrawingContext &dc, int n, double phi, double k)
{
    const Node &node = dc.model.nodes[n];
    const double ux = finiteOrZero(phi * k * dc.results.U[2 * n - 1]);
    const double uy = finiteOrZero(phi * k * dc.results.U[2 * n]);
    return {dc.view.ToScreenX(node.x + ux), dc.view.ToScreenY(node.y + uy)};
}

void deformedLine(const DrawingContext &dc, Canvas &canvas, int e, double phi, double k)
{
    const ScreenPoint a = deformedNode(dc, dc.model.nodeI(e), phi, k);
    const ScreenPoint b = deformedNode(dc, dc.model.nodeJ(e), phi, k);
    canvas.line(a.x, a.y, b.x, b.y);
}

void deformedLegend(const DrawingContext &dc, Canvas &canvas)
{
    const ResultExtrema &x = dc.results.extrema;
    canvas.setForeColour(colourValue(dc.settings.xroma_stoixeion));
    canvas.setFontSize(12);
    canvas.setFontBold(true);
    canvas.setTextPosition(0.1, 0.07);
    canvas.text(QStringLiteral("D"));
    canvas.setFontSize(8);
    canvas.setFontBold(false);
    const std::pair<const char *, double> lines[] = {
        {"max.= ", x.maxU}, {"max.|x|= ", x.maxAbsUx}, {"max.|y|= ", x.maxAbsUy}};
    for (const auto &[caption, value] : lines) {
        canvas.setTextPosition(0.1, canvas.textY());
        canvas.text(QString::fromLatin1(caption)
                    + nf::generalDouble(nf::RoundTo(finiteOrZero(value), 6)));
    }
}

} // namespace

void DrawDeformedModel(const DrawingContext &dc, Canvas &canvas)
{
    const Settings &s = dc.settings;
    canvas.clear(colourValue(s.xroma_background));
    DrawGrid(dc, canvas);
    DrawAxes(dc, canvas);
    DrawElements(dc, canvas);
    DrawNodes(dc, canvas);

    canvas.setForeColour(colourValue(s.xroma_paramorfosis));
    canvas.setLineWidth(2);
    if (s.nai_stoixeia) {
        const double k = magnification(s);
        for (int e = 1; e <= drawing::elementCount(dc.model); ++e) {
            if (drawing::drawableElement(dc.model, e))
                deformedLine(dc, canvas, e, 1.0, k);
        }
    }
    deformedLegend(dc, canvas);
    canvas.setLineWidth(1);
}

void drawAnimationFrame(const DrawingContext &dc, Canvas &canvas, double phi)
{
    const Settings &s = dc.settings;
    const std::uint32_t undeformed = colourValue(s.xroma_stoixeion);
    const std::uint32_t deformed = colourValue(s.xroma_paramorfosis);
    const double k = magnification(s);
    canvas.clear(colourValue(s.xroma_background));
    for (int e = 1; e <= drawing::elementCount(dc.model); ++e) {
        if (!drawing::drawableElement(dc.model, e))
            continue;
        canvas.setForeColour(undeformed);
        canvas.setLineWidth(1);
        deformedLine(dc, canvas, e, 0.0, k);
        canvas.setForeColour(deformed);
        canvas.setLineWidth(2);
        deformedLine(dc, canvas, e, phi, k);
    }
}
