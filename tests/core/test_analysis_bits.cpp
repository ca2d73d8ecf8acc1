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
#include <QTextStream>
#include <cmath>
#include <functional>
#include <random>

namespace {

using namespace truss;

// A truss strip like the benchmark's: bottom nodes at (i, 0), top nodes at
// (i, 1); posts, chords, one diagonal per panel and three cross diagonals;
// pinned at the first bottom node, on a roller at the last, the top nodes
// loaded. Numbered across the strip (a narrow band), along it (a band half
// as wide as the system) or at random (any profile).
enum class Numbering { Across, Along, Shuffled };

void strip(Model &m, int nodes, Numbering numbering)
{
    const int bottoms = (nodes + 1) / 2, tops = nodes / 2;
    std::vector<int> number(std::size_t(nodes) + 1);
    for (int i = 1; i <= bottoms; ++i)
        number[std::size_t(i)] = numbering == Numbering::Along ? i : 2 * i - 1;
    for (int i = 1; i <= tops; ++i)
        number[std::size_t(bottoms + i)] = numbering == Numbering::Along ? bottoms + i : 2 * i;
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

std::function<void(Model &)> stripOf(int nodes, Numbering numbering)
{
    return [=](Model &m) { strip(m, nodes, numbering); };
}

// Springs on free and on fixed DOFs, loads on fixed DOFs.
void stripWithSpringsAndHeldLoads(Model &m)
{
    strip(m, 40, Numbering::Across);
    for (int n = 1; n <= m.nodeCount; n += 3)
        spring(m, n, 1.5e4f * float(n), n % 2 ? 0.0f : 7.25e3f);
    m.nodes[1].fx = 300;
    m.nodes[1].fy = -125.5f;
}

// A node held by nothing in y: a zero pivot the solution meets.
void unheldNode(Model &m)
{
    group(m, 1000, 1);
    node(m, 0, 0, 1, 1);
    node(m, 1, 0, 0, 0, 5, 0);
    node(m, 2, 0, 1, 1);
    element(m, 1, 2);
    element(m, 2, 3);
}

// Three bars in a line, free to move sideways: the elimination gets through
// on a pivot of round-off and the displacements are huge.
void nearMechanism(Model &m)
{
    group(m, 2.1e8, 0.003);
    node(m, 0, 0, 1, 1);
    node(m, 1.1f, 0.0000001f, 0, 0, 0, -10);
    node(m, 2.3f, 0.0000002f, 0, 0);
    node(m, 3.7f, 0.0000003f, 1, 1);
    element(m, 1, 2);
    element(m, 2, 3);
    element(m, 3, 4);
}

void everyDofHeld(Model &m)
{
    strip(m, 12, Numbering::Across);
    for (int n = 1; n <= m.nodeCount; ++n)
        m.nodes[n].cx = m.nodes[n].cy = 1;
}

void nodesWithoutElements(Model &m)
{
    node(m, 0, 0, 1, 0, 3, 4);
    node(m, 1, 1, 1, 1, -2, 0);
}

// The apex with one more bar, of a group of its own, from node i to node j
// (nodes 1 and 2 pinned, node 3 free).
std::function<void(Model &)> apexWithBar(double E, double A, int i, int j)
{
    return [=](Model &m) {
        apex(m);
        group(m, E, A);
        element(m, i, j, 2);
    };
}

// The apex with a change the model check looks at.
std::function<void(Model &)> apexWith(std::function<void(Model &)> change)
{
    return [=](Model &m) {
        apex(m);
        change(m);
    };
}

// Zeros of either sign in coordinates, loads and springs: differences,
// cosines and end forces of -0.
void negativeZeros(Model &m)
{
    group(m, 2.0e8, 0.01);
    node(m, 0.0f, 0.0f, 1, 1, -0.0f, -0.0f);
    node(m, 1.0f, -0.0f, 0, 1, -0.0f, 0.0f);
    node(m, -0.0f, 1.0f, 0, 0, -0.0f, -5.0f);
    node(m, 1.0f, 1.0f, 0, 0, 7.0f, -0.0f);
    spring(m, 3, -0.0f, 0.0f);
    element(m, 1, 2);
    element(m, 1, 3);
    element(m, 3, 4);
    element(m, 2, 4);
    element(m, 4, 1);
    element(m, 2, 3);
}

std::function<void(Model &)> fileModel(const QString &path)
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
    return QCryptographicHash::hash(
               QByteArrayView(static_cast<const char *>(data), qsizetype(size)),
               QCryptographicHash::Sha256)
        .toHex()
        .left(24);
}

// The log with the times of day and the run time left out (they differ from
// run to run), each entry with its colour and flags. The mechanism
// diagnosis' lines after a failure or warning are left out too: they came
// after these records, and test_free_motions.cpp checks them.
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

QByteArray boxesDigest(const ScriptedPrompts &prompts)
{
    QByteArray all;
    for (const ShownPrompt &p : prompts.shown)
        all +=
            p.text.toUtf8() + '|' + p.title.toUtf8() + '|' + QByteArray::number(int(p.icon)) + '\n';
    return hex(all.constData(), std::size_t(all.size()));
}

// One line: the outcome, the flags and the digests of U, F, R, the extrema,
// the log and the message boxes. The results start from garbage, so that a
// run that leaves them alone is told from one that renews them.
QByteArray outcomeOf(const std::function<void(Model &)> &build)
{
    Workspace ws;
    ScriptedPrompts prompts;
    // Whatever boxes a model brings are part of its recorded outcome.
    prompts.allowUnscripted();
    ws.setPrompts(&prompts);
    build(ws.model);
    ws.model.modelChanged = true;
    ws.results.U.fill(-7.5);
    for (auto &row : ws.results.F)
        row.fill(3.25);
    for (auto &row : ws.results.R)
        row.fill(-1.0 / 3.0);
    ws.results.extrema.maxN = 42;
    const bool ok = Run_Analysis(ws);
    const AnalysisResults &r = ws.results;
    return QByteArray(ok ? "ok" : "no") + (ws.model.analysisFailed ? " failed" : " -")
        + (ws.model.modelChanged ? " changed" : " -") + " U=" + hex(r.U.data(), sizeof r.U)
        + " F=" + hex(r.F.data(), sizeof r.F) + " R=" + hex(r.R.data(), sizeof r.R)
        + " X=" + hex(&r.extrema, sizeof r.extrema) + " log=" + logDigest(ws.log)
        + " boxes=" + boxesDigest(prompts);
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
    const QString data = QStringLiteral(KEL2D_TEST_DATA);
    const QString examples = QStringLiteral(KEL2D_TEST_DATA "/../../examples");
    const struct {
        const char *name;
        std::function<void(Model &)> build;
    } cases[] = {
        {"cantilever.kel", fileModel(examples + QStringLiteral("/cantilever.kel"))},
        {"roof.kel", fileModel(examples + QStringLiteral("/roof.kel"))},
        {"warren.kel", fileModel(examples + QStringLiteral("/warren.kel"))},
        {"small_example.kel", fileModel(data + QStringLiteral("/small_example.kel"))},
        {"mechanism.kel", fileModel(data + QStringLiteral("/mechanism.kel"))},
        {"lone_node.kel", fileModel(data + QStringLiteral("/lone_node.kel"))},
        {"strip 10 across", stripOf(10, Numbering::Across)},
        {"strip 25 across", stripOf(25, Numbering::Across)},
        {"strip 50 across", stripOf(50, Numbering::Across)},
        {"strip 100 across", stripOf(100, Numbering::Across)},
        {"strip 10 along", stripOf(10, Numbering::Along)},
        {"strip 25 along", stripOf(25, Numbering::Along)},
        {"strip 50 along", stripOf(50, Numbering::Along)},
        {"strip 100 along", stripOf(100, Numbering::Along)},
        {"strip 31 shuffled", stripOf(31, Numbering::Shuffled)},
        {"strip 100 shuffled", stripOf(100, Numbering::Shuffled)},
        {"springs and loads on held DOFs", stripWithSpringsAndHeldLoads},
        {"node held by nothing", unheldNode},
        {"near mechanism", nearMechanism},
        {"every DOF held", everyDofHeld},
        {"nodes without elements", nodesWithoutElements},
        {"E.A / L overflows between held nodes", apexWithBar(1e300, 1e300, 1, 2)},
        {"E.A / L overflows at a free node", apexWithBar(1e300, 1e300, 3, 1)},
        {"E.A / L underflows to 0", apexWithBar(1e-200, 1e-200, 3, 1)},
        {"E.A / L below the normal range", apexWithBar(1e-160, 1e-160, 1, 3)},
        {"zeros of either sign", negativeZeros},
        {"flag neither 0 nor 1", apexWith([](Model &m) { m.nodes[3].cy = 0.5f; })},
        {"negative spring", apexWith([](Model &m) { spring(m, 2, 0, -1); })},
        {"unusable group nobody uses", apexWith([](Model &m) { group(m, 0, std::nan("")); })},
        {"bad element before a bad group", apexWith([](Model &m) {
             m.groups[1].E = -1;
             m.elements[2].nj = 9;
         })},
    };
    const QMap<QByteArray, QByteArray> expected = recorded();
    ASSERT_FALSE(expected.isEmpty());
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray outcome = outcomeOf(c.build);
        EXPECT_EQ(outcome.toStdString(), expected.value(c.name).toStdString())
            << c.name << ": " << outcome.toStdString();
    }
}

} // namespace
