// A full redraw of a model at the capacities with every label on, against a
// bare QPainter drawing the same primitives prepared in advance. The ratio of
// the two is the cost of the drawing layers and the canvas on top of Qt.
#include "PictureBench.h"

#include "drawing/Sxediastika.h"
#include "drawing/gui/PainterCanvas.h"
#include "workspace/Workspace.h"

namespace {

using namespace bench;

void BM_Redraw(benchmark::State &state)
{
    if (!ensureGuiApplication()) {
        state.SkipWithError("a non-GUI application object already exists");
        return;
    }
    PainterCanvas canvas(kArea, 1.0, 96);
    Workspace ws;
    buildCapacityModel(ws, canvas.widthCm(), canvas.heightCm());
    for (auto _ : state) {
        RedrawDrawingArea(ws, canvas);
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
}
BENCHMARK(BM_Redraw)->Unit(benchmark::kMicrosecond);

void BM_RedrawBaseline(benchmark::State &state)
{
    if (!ensureGuiApplication()) {
        state.SkipWithError("a non-GUI application object already exists");
        return;
    }
    PainterCanvas reference(kArea, 1.0, 96);
    Workspace ws;
    buildCapacityModel(ws, reference.widthCm(), reference.heightCm());
    RecordingCanvas rec(reference.widthCm(), reference.heightCm());
    RedrawDrawingArea(ws, rec);
    runBaseline(state, prepare(rec, reference));
}
BENCHMARK(BM_RedrawBaseline)->Unit(benchmark::kMicrosecond);

} // namespace
