#pragma once
// Shared by the analysis, solver and report tests: a small builder for truss
// models and a MainWindowHooks that records what the analysis asked of the
// main window.
#include "workspace/Workspace.h"

#include <QString>
#include <ostream>
#include <string>
#include <vector>

// Readable failures: gtest would print a QString as its UTF-16 code units.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace truss {

inline int node(Model &m, float x, float y, float cx = 0, float cy = 0, float fx = 0, float fy = 0)
{
    const int n = ++m.nodeCount;
    m.nodes[n] = Node{x, y, cx, cy, fx, fy};
    return n;
}

inline int group(Model &m, double E, double A)
{
    const int g = ++m.groupCount;
    m.groups[g] = ElementGroup{E, A};
    return g;
}

inline int element(Model &m, int i, int j, int g = 1)
{
    const int e = ++m.elementCount;
    m.elements[e] = Element{float(i), float(j), float(g)};
    return e;
}

inline void spring(Model &m, int n, float kx, float ky) { m.springs[n] = Spring{kx, ky}; }

} // namespace truss

// Records the calls in order: "disable", "enable", "busy", "idle", "repaint".
class RecordingHooks : public MainWindowHooks {
public:
    std::vector<std::string> calls;
    bool analyseEnabled = true;
    bool busy = false;

    void setAnalyseEnabled(bool enabled) override
    {
        calls.push_back(enabled ? "enable" : "disable");
        analyseEnabled = enabled;
    }
    void setBusy(bool on) override
    {
        calls.push_back(on ? "busy" : "idle");
        busy = on;
    }
    void repaintLog() override { calls.push_back("repaint"); }
};
