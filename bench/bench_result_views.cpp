// The result views of a model at the capacities against a bare QPainter
// drawing the same primitives prepared in advance: one frame of the
// deformation animation (which must draw well inside one display refresh),
// the [N] diagram and the colour diagram with every label on.
#include "PictureBench.h"

#include "drawing/ResultViews.h"
#include "drawing/Sxediastika.h"
#include "drawing/gui/PainterCanvas.h"
#include "workspace/Workspace.h"

namespace {

using namespace bench;

constexpr double kFramePhase = 0.37;

// The picture of a drawing mode: the animation frame at kFramePhase.
void draw(Workspace &ws, Canvas &canvas)
{
    RedrawDrawingArea(ws, canvas, RedrawExtras{nullptr, kFramePhase});
}

void measured(benchmark::State &state, std::int16_t mode)
{
    if (!ensureGuiApplication()) {
        state.SkipWithError("a non-GUI application object already exists");
        return;
    }
    PainterCanvas canvas(kArea, 1.0, 96);
    Workspace ws;
    buildCapacityModel(ws, canvas.widthCm(), canvas.heightCm());
    fillResults(ws);
    ws.drawingMode = mode;
    for (auto _ : state) {
        draw(ws, canvas);
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
}

void baseline(benchmark::State &state, std::int16_t mode)
{
    if (!ensureGuiApplication()) {
        state.SkipWithError("a non-GUI application object already exists");
        return;
    }
    PainterCanvas reference(kArea, 1.0, 96);
    Workspace ws;
    buildCapacityModel(ws, reference.widthCm(), reference.heightCm());
    fillResults(ws);
    ws.drawingMode = mode;
    RecordingCanvas rec(reference.widthCm(), reference.heightCm());
    draw(ws, rec);
    runBaseline(state, prepare(rec, reference));
}

void BM_AnimationFrame(benchmark::State &state) { measured(state, ModeAnimation); }
void BM_AnimationFrameBaseline(benchmark::State &state) { baseline(state, ModeAnimation); }
void BM_ForceDiagram(benchmark::State &state) { measured(state, ModeAxialForce); }
void BM_ForceDiagramBaseline(benchmark::State &state) { baseline(state, ModeAxialForce); }
void BM_ColourDiagram(benchmark::State &state) { measured(state, ModeColourDiagram); }
void BM_ColourDiagramBaseline(benchmark::State &state) { baseline(state, ModeColourDiagram); }

BENCHMARK(BM_AnimationFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AnimationFrameBaseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ForceDiagram)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ForceDiagramBaseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ColourDiagram)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ColourDiagramBaseline)->Unit(benchmark::kMicrosecond);

} // namespace
