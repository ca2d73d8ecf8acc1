// The colour diagram (compression / tension) and its colour bar.
#include "common/NumberForms.h"
#include "drawing/DrawingSupport.h"
#include "drawing/ResultQuantity.h"
#include "drawing/ResultViews.h"
#include "drawing/Sxediastika.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr std::uint32_t kBlack = 0;

// The values of every element with the largest of 0 and them, the smallest
// of 0 and them, and the range R = max(|max|, |min|).
struct ColourScale {
    std::vector<double> values; // by element number, [0] unused
    double max = 0, min = 0, range = 0;
};

ColourScale colourScale(const DrawingContext &dc)
{
    ColourScale cs;
    const Quantity q = chosenQuantity(dc.settings);
    const int count = drawing::elementCount(dc.model);
    cs.values.assign(static_cast<std::size_t>(count) + 1, 0.0);
    for (int e = 1; e <= count; ++e) {
        const double v = elementValue(dc.model, dc.results, q, e);
        cs.values[e] = v;
        cs.max = std::max(cs.max, v);
        cs.min = std::min(cs.min, v);
    }
    cs.range = std::abs(cs.max) < std::abs(cs.min) ? -cs.min : cs.max;
    return cs;
}

std::uint32_t elementColour(const Settings &s, double v, double range)
{
    const std::uint32_t unloaded = colourValue(s.Xroma_Afortistou);
    if (range == 0)
        return unloaded;
    if (v >= 0)
        return colourBetween(unloaded, colourValue(s.Xroma_Efelkismou), v, range);
    return colourBetween(unloaded, colourValue(s.Xroma_Thlipsis), v, -range);
}

int component(std::uint32_t colour, int shift)
{
    return static_cast<int>((colour >> shift) & 0xFF);
}

} // namespace

std::uint32_t colourBetween(std::uint32_t from, std::uint32_t to, double amount, double range)
{
    if (!(range != 0) || !std::isfinite(amount / range))
        return from;
    std::uint32_t out = 0;
    for (int shift : {0, 8, 16}) {
        const int a = component(from, shift);
        const double c = a + amount * (component(to, shift) - a) / range;
        out |= static_cast<std::uint32_t>(std::clamp(nf::toInt32Clamped(c), 0, 255)) << shift;
    }
    return out;
}

void DrawColourDiagram(const DrawingContext &dc, Canvas &canvas, Canvas *legend)
{
    if (legend)
        DrawColourLegend(dc, *legend);
    const Settings &s = dc.settings;
    const ColourScale cs = colourScale(dc);
    const int decimals = quantityDecimals(s, chosenQuantity(s));
    for (int e = 1; e <= drawing::elementCount(dc.model); ++e) {
        if (!drawing::drawableElement(dc.model, e))
            continue;
        const double v = cs.values[e];
        DrawElement(dc, canvas, e, elementColour(s, v, cs.range), 4);
        if (s.nai_times_N) {
            const Node &ni = dc.model.nodes[dc.model.nodeI(e)];
            const Node &nj = dc.model.nodes[dc.model.nodeJ(e)];
            const double mx = 0.5 * ni.x + 0.5 * nj.x, my = 0.5 * ni.y + 0.5 * nj.y;
            canvas.setForeColour(colourValue(s.xroma_stoixeion));
            canvas.setTextPosition(dc.view.ToScreenX(mx),
                                   dc.view.ToScreenY(my)
                                       + (s.nai_arithmisi_stoixeion ? 0.22 : 0.0));
            canvas.text(diagramValueText(v, decimals));
        }
    }
    DrawDiagramLegend(dc, canvas);
}

void DrawColourLegend(const DrawingContext &dc, Canvas &legend)
{
    const Settings &s = dc.settings;
    const std::uint32_t tension = colourValue(s.Xroma_Efelkismou);
    const std::uint32_t unloaded = colourValue(s.Xroma_Afortistou);
    const std::uint32_t compression = colourValue(s.Xroma_Thlipsis);
    legend.clear(colourValue(s.xroma_background));
    legend.setLineWidth(1);
    for (int i = 0; i <= 255; ++i) {
        legend.setForeColour(colourBetween(tension, unloaded, i, 255));
        legend.line(0, i / 100.0, 1, i / 100.0);
    }
    for (int i = 0; i <= 255; ++i) {
        legend.setForeColour(colourBetween(unloaded, compression, i, 255));
        legend.line(0, 2.55 + i / 100.0, 1, 2.55 + i / 100.0);
    }

    const ColourScale cs = colourScale(dc);
    const double r = cs.range;
    const struct {
        double y, above;
        const char *text;
    } ticks[] = {{r == 0 ? 2.55 : 2.55 * (1 - cs.max / r), 0.1, "max"},
                 {2.55, 0.2, " 0"},
                 {r == 0 ? 2.55 : 2.55 * (1 + std::abs(cs.min) / r), 0.3, "min"}};
    legend.setForeColour(kBlack);
    legend.setFontSize(7);
    legend.setFontBold(false);
    for (const auto &t : ticks) {
        legend.line(0, t.y, 0.35, t.y);
        legend.setTextPosition(0.35, t.y - t.above);
        legend.text(QString::fromLatin1(t.text));
    }
}
