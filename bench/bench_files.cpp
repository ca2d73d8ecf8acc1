// Saving and opening a model at the capacities (100 nodes, 200 elements,
// 50 groups, springs and every setting), through the file on disk as the
// commands do, and the in-memory text alone to show what the disk adds.
#include "files/Files.h"
#include "files/ModelFileFormat.h"
#include "workspace/Workspace.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void fillAtCapacities(Model &m)
{
    m.groupCount = kMaxGroups;
    for (int g = 1; g <= kMaxGroups; ++g)
        m.groups[g] = {2.1e11 + g * 1234.5, 0.0015 * g};
    m.nodeCount = kMaxNodes;
    for (int n = 1; n <= kMaxNodes; ++n) {
        m.nodes[n] = {(n - 1) / 2 * 1.25f, (n % 2) * 0.875f,       n <= 2 ? 1.f : 0.f,
                      n == 1 ? 1.f : 0.f,  n % 3 ? 0.f : 1500.25f, n % 2 ? -2345.5f : 0.f};
        if (n % 10 == 0)
            m.springs[n] = {0, 1.5e6f};
    }
    m.elementCount = kMaxElements;
    for (int e = 1; e <= kMaxElements; ++e)
        m.elements[e] = {float((e - 1) % kMaxNodes + 1), float(e % kMaxNodes + 1),
                         float((e - 1) % kMaxGroups + 1)};
}

// The atomic save waits for the disk (fsync) before it renames: the time a
// user waits is the wall time, while the CPU time shows the program's own
// work. Both columns are shown; the iterations are counted by wall time.
void BM_WriteModelFile(benchmark::State &state)
{
    QTemporaryDir dir;
    Workspace ws;
    fillAtCapacities(ws.model);
    const QString name = dir.filePath(QStringLiteral("model.kel"));
    for (auto _ : state) {
        QString n = name;
        if (!Write_Model_File(ws, n, true))
            state.SkipWithError("the model file could not be written");
    }
}
BENCHMARK(BM_WriteModelFile)->UseRealTime()->Unit(benchmark::kMicrosecond);

void BM_ReadModelFile(benchmark::State &state)
{
    QTemporaryDir dir;
    QString name = dir.filePath(QStringLiteral("model.kel"));
    {
        Workspace ws;
        fillAtCapacities(ws.model);
        Write_Model_File(ws, name, true);
    }
    for (auto _ : state) {
        // A fresh workspace each time, so the log does not grow with every
        // "Open file:" line.
        auto ws = std::make_unique<Workspace>();
        QString n = name;
        if (Read_Model_File(*ws, n) != ReadOutcome::Read)
            state.SkipWithError("the model file could not be read");
        benchmark::DoNotOptimize(ws->model.nodeCount);
    }
}
BENCHMARK(BM_ReadModelFile)->Unit(benchmark::kMicrosecond);

void BM_ModelFileBytes(benchmark::State &state)
{
    Workspace ws;
    fillAtCapacities(ws.model);
    for (auto _ : state)
        benchmark::DoNotOptimize(kelfile::modelFileBytes(ws.model, ws.settings, ws.view));
}
BENCHMARK(BM_ModelFileBytes)->Unit(benchmark::kMicrosecond);

void BM_ParseModelFile(benchmark::State &state)
{
    Workspace ws;
    fillAtCapacities(ws.model);
    const QByteArray bytes = kelfile::modelFileBytes(ws.model, ws.settings, ws.view);
    for (auto _ : state) {
        auto target = std::make_unique<Workspace>();
        if (kelfile::parseModelFile(QByteArrayView(bytes), target->model, target->settings,
                                    target->view))
            state.SkipWithError("the model text could not be parsed");
    }
}
BENCHMARK(BM_ParseModelFile)->Unit(benchmark::kMicrosecond);

} // namespace
