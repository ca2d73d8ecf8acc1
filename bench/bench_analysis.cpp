// The whole analysis against the bare elimination it is built around, on a
// model at the program's capacities: the run should cost little more than
// solving its equations.
#include "analysis/AnalysisStages.h"
#include "analysis/MathMATRIX.h"
#include "analysis/epilisi.h"
#include "common/Workspace.h"

#include <benchmark/benchmark.h>

namespace {

// A long truss strip of 50 panels: bottom node i is node 2i-1 at (i, 0), top
// node i is node 2i at (i, 1). Chords, posts and one diagonal per panel, plus
// three cross diagonals to reach 200 elements; pinned at the first bottom
// node, on a roller at the last; every top node loaded downwards. Nodes are
// numbered across the strip, so the equations stay narrow and well
// conditioned.
void buildStrip(Model &m)
{
    m.nodeCount = 0;
    m.elementCount = 0;
    m.groupCount = 0;
    for (int g = 1; g <= kMaxGroups; ++g)
        m.groups[++m.groupCount] = ElementGroup{2.0e8 + 1000.0 * g, 0.01 + 1e-4 * g};
    for (int i = 1; i <= 50; ++i) {
        m.nodes[++m.nodeCount] = Node{float(i), 0, 0, 0, 0, 0};
        m.nodes[++m.nodeCount] = Node{float(i), 1, 0, 0, 0, -1000};
    }
    m.nodes[1].cx = m.nodes[1].cy = 1;
    m.nodes[99].cy = 1;

    auto add = [&m](int i, int j) {
        const int e = ++m.elementCount;
        m.elements[e] = Element{float(i), float(j), float((e - 1) % kMaxGroups + 1)};
    };
    auto bottom = [](int i) { return 2 * i - 1; };
    auto top = [](int i) { return 2 * i; };
    for (int i = 1; i <= 50; ++i)
        add(bottom(i), top(i));
    for (int i = 1; i < 50; ++i) {
        add(bottom(i), bottom(i + 1));
        add(top(i), top(i + 1));
        add(bottom(i), top(i + 1));
    }
    for (int i : {10, 25, 40})
        add(top(i), bottom(i + 1));
}

void BM_RunAnalysis(benchmark::State &state)
{
    Workspace ws;
    buildStrip(ws.model);
    for (auto _ : state) {
        const bool ok = Run_Analysis(ws);
        benchmark::DoNotOptimize(ok);
        if (!ok)
            state.SkipWithError("analysis failed");
        // The log would grow without end; emptying it is not part of a run.
        state.PauseTiming();
        ws.log = MessageLog();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RunAnalysis)->Unit(benchmark::kMicrosecond);

// The same Kff and P as the analysis builds, solved by the same kernel; the
// fresh copy the kernel overwrites is made outside the timed part.
void BM_EliminationKernel(benchmark::State &state)
{
    Workspace ws;
    buildStrip(ws.model);
    Epilisi run(ws);
    run.Build_System();
    const int n = run.nf;
    Matrix A;
    Vector b, x(n + 1);
    for (auto _ : state) {
        state.PauseTiming();
        A = run.Kff;
        b = run.P;
        state.ResumeTiming();
        const bool ok = Gauss_Upper(A, b, x, n);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(x.data());
        if (!ok)
            state.SkipWithError("elimination failed");
    }
}
BENCHMARK(BM_EliminationKernel)->Unit(benchmark::kMicrosecond);

} // namespace
