// Model files come from anywhere: hand-edited, truncated, not model files at
// all. Whatever the bytes, the reader must end without a crash or a hang,
// leave only values the program can work with, and whatever it accepted must
// be written back in a form it accepts again.
#include "common/Settings.h"
#include "drawing/ViewTransform.h"
#include "files/ModelFileFormat.h"
#include "model/Model.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

struct State {
    Model model;
    Settings settings;
    ViewTransform view;
};

bool parse(const QByteArray &bytes, State &s)
{
    return !kelfile::parseModelFile(QByteArrayView(bytes), s.model, s.settings, s.view).has_value();
}

void checkAccepted(const State &s)
{
    const Model &m = s.model;
    check(m.groupCount >= 0 && m.groupCount <= kMaxGroups);
    check(m.nodeCount >= 0 && m.nodeCount <= kMaxNodes);
    check(m.elementCount >= 0 && m.elementCount <= kMaxElements);
    for (int n = 1; n <= kMaxNodes; ++n) {
        const Node &node = m.nodes[n];
        // Constraint flags and spring constants are read as they stand (the
        // analysis refuses odd ones), but never as a non-number.
        for (float v :
             {node.x, node.y, node.cx, node.cy, node.fx, node.fy, m.springs[n].kx, m.springs[n].ky})
            check(std::isfinite(v));
    }
    for (int g = 1; g <= kMaxGroups; ++g)
        check(std::isfinite(m.groups[g].E) && std::isfinite(m.groups[g].A));
    check(s.view.scale >= 1 && std::isfinite(s.view.scale));
    check(std::isfinite(s.view.offsetX) && std::isfinite(s.view.offsetY));
    check(s.settings.kannab > 0 && std::isfinite(s.settings.kannab));
    check(s.settings.Animation_Frames >= 1 && s.settings.Animation_Frames <= 1000);
    check(s.settings.dekadika_N >= 0 && s.settings.dekadika_N <= 13);
    check(s.settings.dekadika_strain >= 0 && s.settings.dekadika_strain <= 13);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    auto first = std::make_unique<State>();
    if (!parse(bytes, *first))
        return 0;
    checkAccepted(*first);

    // What was accepted is written and read back with the same counts and
    // springs listed for the same nodes.
    const QByteArray written = kelfile::modelFileBytes(first->model, first->settings, first->view);
    auto second = std::make_unique<State>();
    check(parse(written, *second));
    checkAccepted(*second);
    check(second->model.groupCount == first->model.groupCount);
    check(second->model.nodeCount == first->model.nodeCount);
    check(second->model.elementCount == first->model.elementCount);
    check(second->settings.dekadika_N == first->settings.dekadika_N);
    check(second->settings.Animation_Frames == first->settings.Animation_Frames);
    return 0;
}
