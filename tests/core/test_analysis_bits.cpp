// Whole analyses of a table of models against digests of their outcome
// recorded before the assembly, the solution storage and the log's time of
// day were reworked for speed (tests/data/analysis_bits.txt). Invariant: a
// change to how the analysis is computed changes no bit of any result, no
// log line and no message.
#include "Fixtures.h"
#include "ScriptedPrompts.h"
#include "analysis/epilisi.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QFile>
#include <QMap>
#include <array>
#include <cmath>
#include <functional>
#include <random>

namespace {

using namespace truss;
using Build = std::function<void(Model &)>;

// A truss strip like the benchmark's: bottom nodes at (i, 0), top nodes at
// (i, 1); posts, chords, one diagonal per panel and three cross diagonals;
// pinned at the first bottom node, on a roller at the last, the top nodes
// loaded. Numbered across the strip (a narrow band), along it (a band half
// as wide as the system) or at random (any profile).
enum class Numbering { Across, Along, Shuffled };

void strip(Model &m, int nodes, Numbering numbering)
{
    const int bottoms = (nodes + 1) / 2, tops = nodes / 2;
    const bool along = numbering == Numbering::Along;
    std::vector<int> number(std::size_t(nodes) + 1);
    for (int i = 1; i <= bottoms; ++i)
        number[std::size_t(i)] = along ? i : 2 * i - 1;
    for (int i = 1; i <= tops; ++i)
        number[std::size_t(bottoms + i)] = along ? bottoms + i : 2 * i;
    if (numbering == Numbering::Shuffled) {
        std::mt19937 rng{std::uint32_t(nodes)};
        for (int i = nodes; i > 1; --i)
            std::swap(number[std::size_t(i)], number[std::size_t(1 + rng() % std::uint32_t(i))]);
    }
    auto bottom = [&](int i) { return number[std::size_t(i)]; };
    auto top = [&](int i) { return number[std::size_t(bottoms + i)]; };

    for (int g = 1; g <= 7; ++g)
        group(m, 2.0e8 + 1000.0 * g, 0.01 + 1e-4 * g);
    m.nodeCount = nodes;
    for (int i = 1; i <= bottoms; ++i)
        m.nodes[bottom(i)] = Node{float(i), 0, 0, 0, 0, 0};
    for (int i = 1; i <= tops; ++i)
        m.nodes[top(i)] = Node{float(i), 1, 0, 0, 25.0f * float(i % 3), -1000};
    m.nodes[bottom(1)].cx = m.nodes[bottom(1)].cy = 1;
    m.nodes[bottom(bottoms)].cy = 1;

    auto add = [&m](int i, int j) { element(m, i, j, (m.elementCount % 7) + 1); };
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

// Nodes given as {x, y, cx, cy, fx, fy} and bars of group 1 as {i, j}.
Build trussOf(double E, double A, std::vector<std::array<float, 6>> nodes,
              std::vector<std::pair<int, int>> bars)
{
    return [=](Model &m) {
        group(m, E, A);
        for (const auto &n : nodes)
            node(m, n[0], n[1], n[2], n[3], n[4], n[5]);
        for (const auto &[i, j] : bars)
            element(m, i, j);
    };
}

Build fileModel(const QString &path)
{
    return [path](Model &m) {
        Workspace ws;
        QString name = path;
        ASSERT_EQ(Read_Model_File(ws, name), ReadOutcome::Read) << path.toStdString();
        m = ws.model;
    };
}

QByteArray hex(const void *data, std::size_t size)
{
    const QByteArrayView bytes(static_cast<const char *>(data), qsizetype(size));
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().left(24);
}

// The log with the times of day and the run time left out (they differ from
// run to run), each entry with its colour and flags. The mechanism
// diagnosis' lines are left out too: test_analysis_driver.cpp checks them.
QByteArray logDigest(const MessageLog &log)
{
    QByteArray all;
    for (const LogEntry &e : log.entries()) {
        if (e.text.startsWith(QLatin1String("Free motion ")))
            continue;
        QString text = e.text;
        for (const char *timed : {"Start:  ", "Finish:  ", "Total time:  ", ", Termination: "})
            if (text.startsWith(QLatin1String(timed)))
                text = QLatin1String(timed);
        all += text.toUtf8() + '|' + QByteArray::number(e.colour) + (e.bold ? "B" : "-")
            + (e.stayOnLine ? "S" : "-") + '\n';
    }
    return hex(all.constData(), std::size_t(all.size()));
}

// One line: the outcome, the flags and the digests of U, F, R, the extrema,
// the log and the message boxes. The results start from garbage, so that a
// run that leaves them alone is told from one that renews them.
QByteArray outcomeOf(const Build &build)
{
    Workspace ws;
    ScriptedPrompts prompts;
    prompts.allowUnscripted(); // whatever boxes a model brings are part of its outcome
    ws.setPrompts(&prompts);
    build(ws.model);
    ws.model.modelChanged = true;
    AnalysisResults &r = ws.results;
    r.U.fill(-7.5);
    for (auto &row : r.F)
        row.fill(3.25);
    for (auto &row : r.R)
        row.fill(-1.0 / 3.0);
    r.extrema.maxN = 42;
    const bool ok = Run_Analysis(ws);
    QByteArray boxes;
    for (const ShownPrompt &p : prompts.shown)
        boxes +=
            p.text.toUtf8() + '|' + p.title.toUtf8() + '|' + QByteArray::number(int(p.icon)) + '\n';
    return QByteArray(ok ? "ok" : "no") + (ws.model.analysisFailed ? " failed" : " -")
        + (ws.model.modelChanged ? " changed" : " -") + " U=" + hex(r.U.data(), sizeof r.U)
        + " F=" + hex(r.F.data(), sizeof r.F) + " R=" + hex(r.R.data(), sizeof r.R)
        + " X=" + hex(&r.extrema, sizeof r.extrema) + " log=" + logDigest(ws.log)
        + " boxes=" + hex(boxes.constData(), std::size_t(boxes.size()));
}

QMap<QByteArray, QByteArray> recorded()
{
    QMap<QByteArray, QByteArray> out;
    QFile file(QStringLiteral(KEL2D_TEST_DATA "/analysis_bits.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return out;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        const qsizetype colon = line.indexOf(": ");
        if (colon > 0 && !line.startsWith('#'))
            out.insert(line.left(colon), line.mid(colon + 2));
    }
    return out;
}

TEST(AnalysisBits, EveryModelGivesTheRecordedOutcome)
{
    std::vector<std::pair<std::string, Build>> cases;
    for (const char *file : {"cantilever.kel", "roof.kel", "warren.kel"})
        cases.emplace_back(file, fileModel(QStringLiteral(KEL2D_SOURCE_DIR "/examples/") + file));
    for (const char *file : {"small_example.kel", "mechanism.kel", "lone_node.kel"})
        cases.emplace_back(file, fileModel(QStringLiteral(KEL2D_TEST_DATA "/") + file));
    for (const auto &[numbering, name] :
         {std::pair{Numbering::Across, " across"}, {Numbering::Along, " along"}})
        for (int n : {10, 25, 50, 100})
            cases.emplace_back("strip " + std::to_string(n) + name,
                               [n, numbering](Model &m) { strip(m, n, numbering); });
    for (int n : {31, 100})
        cases.emplace_back("strip " + std::to_string(n) + " shuffled",
                           [n](Model &m) { strip(m, n, Numbering::Shuffled); });
    // clang-format off
    const std::pair<std::string, Build> special[] = {
        // Springs on free and on fixed DOFs, loads on fixed DOFs.
        {"springs and loads on held DOFs", [](Model &m) {
             strip(m, 40, Numbering::Across);
             for (int n = 1; n <= m.nodeCount; n += 3)
                 spring(m, n, 1.5e4f * float(n), n % 2 ? 0.0f : 7.25e3f);
             m.nodes[1].fx = 300;
             m.nodes[1].fy = -125.5f; }},
        // A zero pivot the solution meets.
        {"node held by nothing", trussOf(1000, 1, {{0, 0, 1, 1, 0, 0}, {1, 0, 0, 0, 5, 0}, {2, 0, 1, 1, 0, 0}}, {{1, 2}, {2, 3}})},
        // Three bars in a line, free to move sideways: the elimination gets
        // through on a pivot of round-off and the displacements are huge.
        {"near mechanism", trussOf(2.1e8, 0.003, {{0, 0, 1, 1, 0, 0}, {1.1f, 1e-7f, 0, 0, 0, -10},
             {2.3f, 2e-7f, 0, 0, 0, 0}, {3.7f, 3e-7f, 1, 1, 0, 0}}, {{1, 2}, {2, 3}, {3, 4}})},
        {"every DOF held", [](Model &m) {
             strip(m, 12, Numbering::Across);
             for (int n = 1; n <= m.nodeCount; ++n)
                 m.nodes[n].cx = m.nodes[n].cy = 1; }},
        {"nodes without elements", [](Model &m) { node(m, 0, 0, 1, 0, 3, 4); node(m, 1, 1, 1, 1, -2, 0); }},
        {"E.A / L overflows between held nodes", [](Model &m) { apex(m); group(m, 1e300, 1e300); element(m, 1, 2, 2); }},
        {"E.A / L overflows at a free node", [](Model &m) { apex(m); group(m, 1e300, 1e300); element(m, 3, 1, 2); }},
        {"E.A / L underflows to 0", [](Model &m) { apex(m); group(m, 1e-200, 1e-200); element(m, 3, 1, 2); }},
        {"E.A / L below the normal range", [](Model &m) { apex(m); group(m, 1e-160, 1e-160); element(m, 1, 3, 2); }},
        // Differences, cosines and end forces of -0.
        {"zeros of either sign", [](Model &m) {
             trussOf(2.0e8, 0.01, {{0, 0, 1, 1, -0.0f, -0.0f}, {1, -0.0f, 0, 1, -0.0f, 0}, {-0.0f, 1, 0, 0, -0.0f, -5},
                   {1, 1, 0, 0, 7, -0.0f}}, {{1, 2}, {1, 3}, {3, 4}, {2, 4}, {4, 1}, {2, 3}})(m);
             spring(m, 3, -0.0f, 0.0f); }},
        {"flag neither 0 nor 1", [](Model &m) { apex(m); m.nodes[3].cy = 0.5f; }},
        {"negative spring", [](Model &m) { apex(m); spring(m, 2, 0, -1); }},
        {"unusable group nobody uses", [](Model &m) { apex(m); group(m, 0, std::nan("")); }},
        {"bad element before a bad group", [](Model &m) { apex(m); m.groups[1].E = -1; m.elements[2].nj = 9; }},
    };
    // clang-format on
    cases.insert(cases.end(), std::begin(special), std::end(special));
    const QMap<QByteArray, QByteArray> expected = recorded();
    ASSERT_EQ(expected.size(), int(cases.size()));
    for (const auto &[name, build] : cases)
        EXPECT_EQ(outcomeOf(build).toStdString(), expected.value(name.c_str()).toStdString())
            << name;
}

} // namespace
