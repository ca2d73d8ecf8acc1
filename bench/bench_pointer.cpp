// A pointer move over a model at the capacities (100 nodes, 200 elements) in
// the model drawing: the node and element search under the pointer and the
// repaint of the overlay's old and new pixels, against a bare repaint of the
// same pixels from the picture. The ratio is what the mouse's markers cost on
// top of what any move that shows something must repaint.
#include "PictureBench.h"
#include "drawing/ModelMouse.h"
#include "drawing/Sxediastika.h"
#include "drawing/ViewOps.h"
#include "drawing/gui/Colours.h"
#include "drawing/gui/MouseOverlayPainter.h"
#include "drawing/gui/PainterCanvas.h"
#include "workspace/Workspace.h"

#include <QGuiApplication>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

using bench::ensureGuiApplication;
using bench::kArea;

// 100 nodes on a 10 x 10 lattice joined by 200 elements, fitted to the area,
// grid off so the node search measures distances.
struct Scene {
    Workspace ws;
    PainterCanvas canvas{kArea, 1.0, 96};
    QImage screen{kArea, QImage::Format_ARGB32_Premultiplied};
    ModelMouse mouse{ws.model, ws.settings, ws.view, ws};
    std::unique_ptr<MouseOverlayPainter> painter;
    std::vector<QPointF> path; // pointer positions, cm

    Scene()
    {
        Model &m = ws.model;
        for (int r = 0; r < 10; ++r)
            for (int c = 0; c < 10; ++c)
                m.nodes[++m.nodeCount] = Node{1.5f * c, 1.2f * r, 0, 0, 0, 0};
        const auto add = [&m](int i, int j) {
            m.elements[++m.elementCount] = Element{float(i), float(j), 1};
        };
        for (int r = 0; r < 10; ++r)
            for (int c = 0; c < 9; ++c)
                add(r * 10 + c + 1, r * 10 + c + 2);
        for (int r = 0; r < 9; ++r)
            for (int c = 0; c < 10; ++c)
                add(r * 10 + c + 1, r * 10 + c + 11);
        for (int k = 0; k < 20; ++k)
            add((k % 9) * 10 + k / 9 + 1, (k % 9) * 10 + k / 9 + 12);
        m.groups[1] = ElementGroup{1, 1};
        m.groupCount = 1;
        ws.settings.nai_grid = false;
        ws.settings.xroma_background = 0xFFFFFF;
        ws.view.areaWidth = canvas.widthCm();
        ws.view.areaHeight = canvas.heightCm();
        FitViewToModel(ws.view, m);
        RedrawDrawingArea(ws, canvas);
        screen.fill(Qt::white);
        painter = std::make_unique<MouseOverlayPainter>(
            QGuiApplication::font(), resolveColour(0xFFFFFF, QGuiApplication::palette()));
        // A slow sweep across the lattice, a pixel or two per event, as a
        // hand moves: over nodes, along and between elements.
        const double k = canvas.pixelsPerCm();
        for (int i = 0; i < 2000; ++i)
            path.emplace_back((40 + 0.55 * i) / k, (60 + 0.33 * i + 20 * std::sin(i / 25.0)) / k);
    }

    // What the drawing area does for an update of `region`.
    void repaint(const QRegion &region, const MouseOverlay *overlay)
    {
        QPainter p(&screen);
        p.setClipRegion(region);
        const QRect r = region.boundingRect();
        p.drawImage(QRectF(r), canvas.image(), QRectF(r));
        if (overlay)
            painter->paint(p, *overlay, canvas.pixelsPerCm(), region);
    }
};

// One event of each benchmark, kept out of line so that a profiler counts
// exactly what one move costs.
[[gnu::noinline]] void pointerMove(Scene &s, MouseOverlay &shown, const QPointF &at)
{
    s.mouse.move(at.x(), at.y(), false);
    const MouseOverlay &now = s.mouse.overlay();
    if (now == shown)
        return;
    const double k = s.canvas.pixelsPerCm();
    const QRegion region = s.painter->change(shown, now, k);
    shown = now;
    s.repaint(region, &shown);
}

[[gnu::noinline]] void bareRepaint(Scene &s, const QRegion &region)
{
    if (!region.isEmpty())
        s.repaint(region, nullptr);
}

// The sweep over and over: every lap the same, or with `lapsShifted` each lap
// moved by whole pixels right and down (16 x 16 shifts, then again).
void sweep(benchmark::State &state, bool lapsShifted)
{
    if (!ensureGuiApplication()) {
        state.SkipWithError("a non-GUI application object already exists");
        return;
    }
    Scene s;
    MouseOverlay shown;
    const double pixel = lapsShifted ? 1 / s.canvas.pixelsPerCm() : 0;
    std::size_t i = 0;
    for (auto _ : state) {
        const std::size_t lap = i / s.path.size();
        const QPointF shift(double(lap % 16) * pixel, double(lap / 16 % 16) * pixel);
        pointerMove(s, shown, s.path[i++ % s.path.size()] + shift);
        benchmark::DoNotOptimize(s.screen.constBits());
    }
}

void BM_PointerMove(benchmark::State &state) { sweep(state, false); }
BENCHMARK(BM_PointerMove)->Unit(benchmark::kMicrosecond);

// The same sweep, each lap shifted by whole pixels: a hand roaming over the
// model with the grid off, which seldom comes back to a place where the node
// marker was shown before. Not part of the ratio: it shows what a move costs
// when no marker image can be copied.
void BM_PointerMoveRoaming(benchmark::State &state) { sweep(state, true); }
BENCHMARK(BM_PointerMoveRoaming)->Unit(benchmark::kMicrosecond);

void BM_PointerMoveBaseline(benchmark::State &state)
{
    if (!ensureGuiApplication()) {
        state.SkipWithError("a non-GUI application object already exists");
        return;
    }
    Scene s;
    const double k = s.canvas.pixelsPerCm();
    // The same regions, found beforehand.
    std::vector<QRegion> regions;
    MouseOverlay shown;
    for (const QPointF &at : s.path) {
        s.mouse.move(at.x(), at.y(), false);
        const MouseOverlay &now = s.mouse.overlay();
        regions.push_back(s.painter->change(shown, now, k));
        shown = now;
    }
    std::size_t i = 0;
    for (auto _ : state) {
        bareRepaint(s, regions[i++ % regions.size()]);
        benchmark::DoNotOptimize(s.screen.constBits());
    }
}
BENCHMARK(BM_PointerMoveBaseline)->Unit(benchmark::kMicrosecond);

} // namespace
