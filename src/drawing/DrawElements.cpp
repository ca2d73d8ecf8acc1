// The elements with their labels, and the nodal loads with their values.
#include "common/NumberForms.h"
#include "drawing/DrawingSupport.h"
#include "drawing/Sxediastika.h"

#include <cmath>

using drawing::lineBy;

void DrawElements(const DrawingContext &dc, Canvas &canvas)
{
    canvas.setFillSolid(true);
    for (int e = 1; e <= drawing::elementCount(dc.model); ++e)
        DrawElement(dc, canvas, e, dc.settings.xroma_stoixeion, 1);
}

void DrawElement(const DrawingContext &dc, Canvas &canvas, int e, double colour, int lineWidth)
{
    const Model &m = dc.model;
    const Settings &s = dc.settings;
    const ViewTransform &v = dc.view;
    if (!drawing::drawableElement(m, e))
        return;
    canvas.setForeColour(colourValue(colour));
    canvas.setLineWidth(lineWidth);

    const Node &ni = m.nodes[m.nodeI(e)];
    const Node &nj = m.nodes[m.nodeJ(e)];
    const double xi = ni.x, yi = ni.y, xj = nj.x, yj = nj.y;
    const double mx = 0.5 * xi + 0.5 * xj;
    const double my = 0.5 * yi + 0.5 * yj;
    const double length = std::sqrt((xi - xj) * (xi - xj) + (yi - yj) * (yi - yj));

    if (s.nai_stoixeia)
        canvas.line(v.ToScreenX(xi), v.ToScreenY(yi), v.ToScreenX(xj), v.ToScreenY(yj));

    QString label;
    if (s.nai_arithmisi_stoixeion)
        label += QLatin1Char(' ') + QString::number(e);
    if (s.nai_omades)
        label += QStringLiteral(" (") + QString::number(m.groupOf(e)) + QLatin1Char(')');
    QString lengthText;
    if (s.nai_miki)
        lengthText = nf::generalDouble(nf::RoundTo(length, 4)) + QLatin1Char(' ');

    // Both lines are written even when empty, so the length keeps its place
    // below the label line.
    const double sx = v.ToScreenX(mx);
    canvas.setTextPosition(sx, v.ToScreenY(my));
    canvas.text(label);
    canvas.setTextPosition(sx, canvas.textY());
    canvas.text(lengthText);
}

namespace {

// A load value: its magnitude, with the sign's place kept blank.
QString loadText(float value)
{
    return QLatin1Char(' ') + nf::generalSingle(std::abs(value)) + QLatin1Char(' ');
}

} // namespace

void DrawNodalLoads(const DrawingContext &dc, Canvas &canvas)
{
    const Model &m = dc.model;
    const Settings &s = dc.settings;
    canvas.setForeColour(colourValue(s.xroma_sigkentromenon));
    canvas.setLineWidth(2);
    for (int n = 1; n <= drawing::nodeCount(m); ++n) {
        const Node &node = m.nodes[n];
        const double sx = dc.view.ToScreenX(node.x);
        const double sy = dc.view.ToScreenY(node.y);

        if (node.fx != 0.0f) {
            const double sg = node.fx < 0.0f ? -1.0 : 1.0;
            if (s.nai_fortiseis_si) {
                canvas.line(sx - 1.2 * sg, sy, sx, sy);
                // closed head with its tip on the node
                lineBy(canvas, sx, sy, -0.35 * sg, 0.06);
                lineBy(canvas, sx - 0.35 * sg, sy + 0.06, 0.0, -0.12);
                lineBy(canvas, sx - 0.35 * sg, sy - 0.06, 0.35 * sg, 0.06);
            }
            if (s.nai_times_fortiseon_si) {
                canvas.setTextPosition(sg > 0 ? sx - 0.8 : sx + 0.4, sy + 0.1);
                canvas.text(loadText(node.fx));
            }
        }
        if (node.fy != 0.0f) {
            // Screen y grows downwards: an upward load comes from below.
            const double sg = node.fy < 0.0f ? -1.0 : 1.0;
            if (s.nai_fortiseis_si) {
                canvas.line(sx, sy + 1.2 * sg, sx, sy);
                lineBy(canvas, sx, sy, 0.06, 0.35 * sg);
                lineBy(canvas, sx + 0.06, sy + 0.35 * sg, -0.12, 0.0);
                lineBy(canvas, sx - 0.06, sy + 0.35 * sg, 0.06, -0.35 * sg);
            }
            if (s.nai_times_fortiseon_si) {
                canvas.setTextPosition(sx + 0.1, sg > 0 ? sy + 0.3 : sy - 0.6);
                canvas.text(loadText(node.fy));
            }
        }
    }
    canvas.setLineWidth(1);
}
