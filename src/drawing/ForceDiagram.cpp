// The axial force [N] diagram and the text legend the two diagrams share.
#include "common/NumberForms.h"
#include "drawing/DrawingSupport.h"
#include "drawing/ResultQuantity.h"
#include "drawing/ResultViews.h"
#include "drawing/Sxediastika.h"

#include <cmath>

namespace {

// The band of one element: from node i out to Pi, along to Pj and back to
// node j, with the value written at the middle of its outer side.
void drawBand(const DrawingContext &dc, Canvas &canvas, Quantity q, int e, double sgn)
{
    const Model &m = dc.model;
    const Settings &s = dc.settings;
    const ViewTransform &v = dc.view;
    const Node &ni = m.nodes[m.nodeI(e)];
    const Node &nj = m.nodes[m.nodeJ(e)];
    const double xi = ni.x, yi = ni.y, xj = nj.x, yj = nj.y;
    const double length = std::sqrt((yi - yj) * (yi - yj) + (xi - xj) * (xi - xj));
    // An element of no length has no direction: its band lies on it.
    const double c = length > 0 ? (xj - xi) / length : 0.0;
    const double sn = length > 0 ? (yj - yi) / length : 0.0;

    const double value = elementValue(m, dc.results, q, e);
    const double d = finiteOrZero(value / static_cast<double>(s.*quantityScale(q)));
    const double sxi = v.ToScreenX(xi), syi = v.ToScreenY(yi);
    const double sxj = v.ToScreenX(xj), syj = v.ToScreenY(yj);
    // (sn, c) on the screen is the model's right-hand normal of i -> j.
    const double pix = sxi + sn * d * sgn, piy = syi + c * d * sgn;
    const double pjx = sxj + sn * d * sgn, pjy = syj + c * d * sgn;
    canvas.line(sxi, syi, pix, piy);
    canvas.line(pix, piy, pjx, pjy);
    canvas.line(pjx, pjy, sxj, syj);

    if (s.nai_times_N) {
        const double below = s.nai_arithmisi_stoixeion ? 0.22 : 0.0;
        canvas.setTextPosition((pix + pjx) / 2, (piy + pjy) / 2 + below);
        canvas.text(diagramValueText(value, quantityDecimals(s, q)));
    }
}

} // namespace

void DrawForceDiagram(const DrawingContext &dc, Canvas &canvas)
{
    const Settings &s = dc.settings;
    canvas.clear(colourValue(s.xroma_background));
    DrawGrid(dc, canvas);
    DrawAxes(dc, canvas);
    canvas.setForeColour(colourValue(s.xroma_N));
    canvas.setLineWidth(1);
    const Quantity q = chosenQuantity(s);
    const double sgn = s.N_sin_Ina ? 1.0 : -1.0;
    for (int e = 1; e <= drawing::elementCount(dc.model); ++e) {
        if (drawing::drawableElement(dc.model, e))
            drawBand(dc, canvas, q, e, sgn);
    }
    DrawElements(dc, canvas);
    DrawDiagramLegend(dc, canvas);
}

void DrawDiagramLegend(const DrawingContext &dc, Canvas &canvas)
{
    const Settings &s = dc.settings;
    const Quantity q = chosenQuantity(s);
    const int decimals = quantityDecimals(s, q);
    const QuantityExtremes x = quantityExtrema(dc.results.extrema, q);

    canvas.setForeColour(colourValue(s.xroma_stoixeion));
    canvas.setFontSize(12);
    canvas.setFontBold(true);
    canvas.setTextPosition(0.1, 0.07);
    canvas.text(quantityTitle(q));
    canvas.setFontSize(8);
    canvas.setFontBold(false);
    canvas.setTextPosition(0.1, canvas.textY());
    canvas.text(QStringLiteral("max.= ") + nf::generalDouble(nf::RoundTo(x.largest, decimals)));
    canvas.setTextPosition(0.1, canvas.textY());
    canvas.text(QStringLiteral("min.= ") + nf::generalDouble(nf::RoundTo(x.smallest, decimals)));
}
