// The whole analysis against the bare elimination it is built around, and
// the elimination against LAPACK's banded Cholesky solve of the same system
// (dpbtrf and dpbtrs, the reference for how fast the machine solves it), on
// truss strips of 10 to 100 nodes (the argument) numbered two ways:
//
// - across the strip (BM_EliminationKernel, BM_LapackBanded): the equations
//   stay narrow, 7 columns right of the diagonal at most;
// - along it, bottom chord first (BM_EliminationKernelWide,
//   BM_LapackBandedWide): every post joins node i to node i + N/2, and the
//   band is as wide as half the equations.
//
// The solver benchmarks time the solve alone with a steady clock (manual
// time): the fresh copy of the system each solve overwrites is made outside
// it, without the cost of pausing the benchmark timers. Their CPU column
// includes the copies and means nothing.
#include "analysis/AnalysisStages.h"
#include "analysis/MathMATRIX.h"
#include "analysis/epilisi.h"
#include "workspace/Workspace.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstddef>

extern "C" {
// LAPACK (Fortran): banded Cholesky factorisation and solve, upper band.
void dpbtrf_(const char *uplo, const int *n, const int *kd, double *ab, const int *ldab, int *info,
             std::size_t uploLength);
void dpbtrs_(const char *uplo, const int *n, const int *kd, const int *nrhs, const double *ab,
             const int *ldab, double *b, const int *ldb, int *info, std::size_t uploLength);
}

namespace {

enum class Numbering { AcrossTheStrip, AlongTheStrip };

// A truss strip of `nodes` nodes: bottom node i at (i, 0) for i = 1 to
// ceil(nodes / 2), top node i at (i, 1) for i = 1 to nodes / 2. Posts, both
// chords and one diagonal per panel, a closing element when a bottom node is
// left over, and three cross diagonals; pinned at the first bottom node, on a
// roller at the last, every top node loaded downwards. At 100 nodes that is
// 200 elements, the program's capacities.
void buildStrip(Model &m, int nodes, Numbering numbering)
{
    const int bottoms = (nodes + 1) / 2, tops = nodes / 2;
    const bool across = numbering == Numbering::AcrossTheStrip;
    auto bottom = [&](int i) { return across ? 2 * i - 1 : i; };
    auto top = [&](int i) { return across ? 2 * i : bottoms + i; };

    m.nodeCount = m.elementCount = m.groupCount = 0;
    for (int g = 1; g <= kMaxGroups; ++g)
        m.groups[++m.groupCount] = ElementGroup{2.0e8 + 1000.0 * g, 0.01 + 1e-4 * g};
    m.nodeCount = nodes;
    for (int i = 1; i <= bottoms; ++i)
        m.nodes[bottom(i)] = Node{float(i), 0, 0, 0, 0, 0};
    for (int i = 1; i <= tops; ++i)
        m.nodes[top(i)] = Node{float(i), 1, 0, 0, 0, -1000};
    m.nodes[bottom(1)].cx = m.nodes[bottom(1)].cy = 1;
    m.nodes[bottom(bottoms)].cy = 1;

    auto add = [&m](int i, int j) {
        const int e = ++m.elementCount;
        m.elements[e] = Element{float(i), float(j), float((e - 1) % kMaxGroups + 1)};
    };
    for (int i = 1; i <= tops; ++i)
        add(bottom(i), top(i));
    for (int i = 1; i < bottoms; ++i) {
        add(bottom(i), bottom(i + 1));
        if (i < tops) {
            add(top(i), top(i + 1));
            add(bottom(i), top(i + 1));
        } else {
            add(top(i), bottom(i + 1));
        }
    }
    for (int i : {tops / 5, tops / 2, 4 * tops / 5})
        if (i >= 1)
            add(top(i), bottom(i + 1));
}

void setSizes(benchmark::internal::Benchmark *b)
{
    for (int nodes : {10, 25, 50, 100})
        b->Arg(nodes);
    b->Unit(benchmark::kMicrosecond);
}

template <typename Body>
void timeManually(benchmark::State &state, Body &&body)
{
    const auto start = std::chrono::steady_clock::now();
    body();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    state.SetIterationTime(took.count());
}

void runAnalysis(benchmark::State &state, Numbering numbering)
{
    Workspace ws;
    buildStrip(ws.model, int(state.range(0)), numbering);
    for (auto _ : state) {
        bool ok = false;
        timeManually(state, [&] { ok = Run_Analysis(ws); });
        if (!ok)
            state.SkipWithError("analysis failed");
        // The log would grow without end; emptying it is not part of a run.
        ws.log = MessageLog();
    }
}

void BM_RunAnalysis(benchmark::State &state) { runAnalysis(state, Numbering::AcrossTheStrip); }
BENCHMARK(BM_RunAnalysis)->Apply(setSizes)->UseManualTime();

void BM_RunAnalysisWide(benchmark::State &state) { runAnalysis(state, Numbering::AlongTheStrip); }
BENCHMARK(BM_RunAnalysisWide)->Apply(setSizes)->UseManualTime();

// Kff and P exactly as the analysis builds them.
struct System {
    ProfileMatrix Kff;
    Vector P;
    int n = 0;
};

System buildSystem(int nodes, Numbering numbering)
{
    Workspace ws;
    buildStrip(ws.model, nodes, numbering);
    Epilisi run(ws.model, ws);
    run.buildSystem();
    return System{run.Kff, run.P, run.nf};
}

void eliminationKernel(benchmark::State &state, Numbering numbering)
{
    const System sys = buildSystem(int(state.range(0)), numbering);
    ProfileMatrix A;
    Vector b, x(sys.n + 1);
    for (auto _ : state) {
        A = sys.Kff;
        b = sys.P;
        bool ok = false;
        timeManually(state, [&] { ok = gaussUpper(A, b, x); });
        benchmark::DoNotOptimize(x.data());
        if (!ok)
            state.SkipWithError("elimination failed");
    }
    state.counters["equations"] = sys.n;
}

void BM_EliminationKernel(benchmark::State &state)
{
    eliminationKernel(state, Numbering::AcrossTheStrip);
}
BENCHMARK(BM_EliminationKernel)->Apply(setSizes)->UseManualTime();

void BM_EliminationKernelWide(benchmark::State &state)
{
    eliminationKernel(state, Numbering::AlongTheStrip);
}
BENCHMARK(BM_EliminationKernelWide)->Apply(setSizes)->UseManualTime();

// The upper band of Kff in LAPACK's band storage: column j holds A(i, j) for
// i = j - kd to j at row kd + 1 + i - j (from 1), column by column.
struct BandSystem {
    std::vector<double> ab;
    std::vector<double> b;
    int n = 0, kd = 0;
};

BandSystem toBand(const System &sys)
{
    BandSystem band;
    band.n = sys.n;
    for (int i = 1; i <= sys.n; ++i)
        for (int j = i + 1; j <= sys.n; ++j)
            if (sys.Kff(i, j) != 0.0)
                band.kd = std::max(band.kd, j - i);
    const int ld = band.kd + 1;
    band.ab.assign(std::size_t(ld) * std::size_t(sys.n), 0.0);
    for (int j = 1; j <= sys.n; ++j)
        for (int i = std::max(1, j - band.kd); i <= j; ++i)
            band.ab[std::size_t(j - 1) * std::size_t(ld) + std::size_t(band.kd + i - j)] =
                sys.Kff(i, j);
    band.b.assign(sys.P.begin() + 1, sys.P.begin() + 1 + sys.n);
    return band;
}

// Whether LAPACK's solution agrees with ours to round-off, so that both
// benchmarks are known to solve the same system.
bool sameSolution(const System &sys, const std::vector<double> &lapackX)
{
    ProfileMatrix A = sys.Kff;
    Vector b = sys.P, x(sys.n + 1);
    if (!gaussUpper(A, b, x))
        return false;
    for (int i = 1; i <= sys.n; ++i)
        if (std::abs(x[i] - lapackX[std::size_t(i - 1)]) > 1e-9 * (1.0 + std::abs(x[i])))
            return false;
    return true;
}

void lapackBanded(benchmark::State &state, Numbering numbering)
{
    const System sys = buildSystem(int(state.range(0)), numbering);
    const BandSystem band = toBand(sys);
    const int ld = band.kd + 1, oneRhs = 1;
    std::vector<double> ab, b;
    for (auto _ : state) {
        ab = band.ab;
        b = band.b;
        int info = 0;
        timeManually(state, [&] {
            dpbtrf_("U", &band.n, &band.kd, ab.data(), &ld, &info, 1);
            if (info == 0)
                dpbtrs_("U", &band.n, &band.kd, &oneRhs, ab.data(), &ld, b.data(), &band.n, &info,
                        1);
        });
        benchmark::DoNotOptimize(b.data());
        if (info != 0)
            state.SkipWithError("the banded Cholesky solve failed");
    }
    if (!sameSolution(sys, b))
        state.SkipWithError("LAPACK's solution differs from the elimination's");
    state.counters["equations"] = band.n;
    state.counters["band"] = band.kd;
}

void BM_LapackBanded(benchmark::State &state) { lapackBanded(state, Numbering::AcrossTheStrip); }
BENCHMARK(BM_LapackBanded)->Apply(setSizes)->UseManualTime();

void BM_LapackBandedWide(benchmark::State &state) { lapackBanded(state, Numbering::AlongTheStrip); }
BENCHMARK(BM_LapackBandedWide)->Apply(setSizes)->UseManualTime();

} // namespace
