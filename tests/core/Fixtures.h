#pragma once
// What the core tests share: whole-file reads and writes, builders of truss
// models, recording window hooks and a workspace with strict prompts.
#include "common/PlatformServices.h"
#include "core/ScriptedPrompts.h"
#include "workspace/Workspace.h"

#include <QFile>
#include <QString>
#include <ostream>
#include <string>
#include <vector>

inline QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// gtest would print a QString as its UTF-16 code units.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace truss {

// Each adds one row after the last and returns its number.
inline int node(Model &m, float x, float y, float cx = 0, float cy = 0, float fx = 0, float fy = 0)
{
    return m.nodes[++m.nodeCount] = Node{x, y, cx, cy, fx, fy}, m.nodeCount;
}
inline int group(Model &m, double E, double A)
{
    return m.groups[++m.groupCount] = ElementGroup{E, A}, m.groupCount;
}
inline int element(Model &m, int i, int j, int g = 1)
{
    return m.elements[++m.elementCount] = Element{float(i), float(j), float(g)}, m.elementCount;
}
inline void spring(Model &m, int n, float kx, float ky) { m.springs[n] = Spring{kx, ky}; }

// Pinned at (0, 0) and (2, 0), the apex (1, 1) loaded by -10 in y. With
// E = A = 1 both bars carry -5√2, the reactions are 5 and the apex sinks 10√2.
inline void apex(Model &m, double E = 1, double A = 1)
{
    group(m, E, A);
    node(m, 0, 0, 1, 1);
    node(m, 2, 0, 1, 1);
    node(m, 1, 1, 0, 0, 0, -10);
    element(m, 1, 3);
    element(m, 2, 3);
}

// The model of tests/data/small_example.kel: one group, two nodes, one
// element and a spring under node 2.
inline void smallExample(Model &m)
{
    group(m, 1000, 0.5);
    node(m, 0, 0, 1, 1);
    node(m, 2, 0, 0, 0, 0, -10);
    spring(m, 2, 0, 500);
    element(m, 1, 2);
}

// Four nodes: held in both directions, free and loaded, held in y with an x
// spring on its free direction, held in x with a spring on that same
// direction. Two groups, four elements, results set by hand.
inline void reportModel(Workspace &ws)
{
    Model &m = ws.model;
    group(m, 210000000, 0.5);
    group(m, 70000, 2);
    node(m, 0, 0, 1, 1);
    node(m, 0.5f, 3, 0, 0, 0, 5);
    node(m, 4, -2.25f, 0, 1, -1.5f, 0);
    node(m, 2, 1, 1, 0);
    spring(m, 3, 0.5f, 0);
    spring(m, 4, 100, 0);
    element(m, 1, 2, 1);
    element(m, 2, 3, 2);
    element(m, 3, 4, 1);
    element(m, 1, 4, 2);

    AnalysisResults &r = ws.results;
    const double U[] = {0, 0, 0.3, -0.4, 2, 0, 0, 3}, N[] = {10, -20, 0.5, 4};
    for (int i = 0; i < 8; ++i)
        r.U[i + 1] = U[i];
    for (int e = 1; e <= 4; ++e)
        r.F[e] = {0, -N[e - 1], N[e - 1]};
    r.R[1] = {0, 1.5, -5}, r.R[3] = {0, 123, 2}, r.R[4] = {0, 9, 77};
}

} // namespace truss

// Records the window's caption and, in order, the calls "disable", "enable",
// "busy", "idle" and "repaint".
class RecordingHooks : public MainWindowHooks {
public:
    std::vector<std::string> calls;
    QStringList captions;

    void setCaption(const QString &c) override { captions << c; }
    void setAnalyseEnabled(bool on) override { calls.push_back(on ? "enable" : "disable"); }
    void setBusy(bool on) override { calls.push_back(on ? "busy" : "idle"); }
    void repaintLog() override { calls.push_back("repaint"); }
};

// A workspace whose boxes come from `prompts` and whose window is `hooks`.
struct TestWorkspace : Workspace {
    ScriptedPrompts prompts;
    RecordingHooks hooks;
    TestWorkspace()
    {
        setPrompts(&prompts);
        setHooks(&hooks);
    }
};

// A desktop that records the files it is asked to open and the lines to
// print, and succeeds as far as `works` says.
struct FakeDesktop : PlatformServices {
    QStringList opened;
    QList<QStringList> printed;
    bool works = true;
    bool openUrl(const QString &) override { return false; }
    bool openLocalFile(const QString &path) override { return opened << path, works; }
    bool startCalculator() override { return false; }
    bool printLines(const QStringList &lines) override { return printed << lines, works; }
};
