#include "model/LoadEditing.h"

#include "common/Interaction.h"
#include "model/Model.h"
#include "model/TypedNumbers.h"

#include <utility>

namespace {

// The Fx and Fy parts quote the boxes' texts as typed.
QString loadParts(const LoadInput &in, float fx, float fy)
{
    QString parts;
    if (fx != 0)
        parts += QStringLiteral(", Fx= ") + in.fx;
    if (fy != 0)
        parts += QStringLiteral(", Fy= ") + in.fy;
    return parts;
}

// The log line of a load change and its colour; empty when nothing changed.
std::pair<QString, int> loadLogLine(const LoadInput &in, const Node &old, float fx, float fy)
{
    if (fx == old.fx && fy == old.fy)
        return {};
    if (old.fx == 0 && old.fy == 0)
        return {QStringLiteral("New loads on node #") + in.node + loadParts(in, fx, fy),
                LogDarkBlue};
    if (fx == 0 && fy == 0)
        return {QStringLiteral("Loads deleted on node #") + in.node, LogGreen};
    return {QStringLiteral("* Loads on node #") + in.node + loadParts(in, fx, fy), LogDarkBlue};
}

} // namespace

bool loadsDialogMayOpen(const Model &m, Interaction &user)
{
    if (m.nodeCount > 0)
        return true;
    user.reportWarning(
        QStringLiteral("Before defining a nodal load, at least one node must have been defined"));
    return false;
}

LoadVerdict checkLoadInput(const Model &m, Interaction &user, const LoadInput &in)
{
    const auto n = typed::itemNumber(in.node);
    if (!n || *n < 1 || *n > m.nodeCount)
        return refuse(user, QStringLiteral("There is no node #%1.").arg(in.node.trimmed()),
                      LoadField::Node, true);
    if (!typed::single(in.fx))
        return refuse(user, QStringLiteral("The value given for Fx is unacceptable."),
                      LoadField::Fx, true);
    if (!typed::single(in.fy))
        return refuse(user, QStringLiteral("The value given for Fy is unacceptable."),
                      LoadField::Fy, true);
    return LoadVerdict::pass();
}

LoadApplied applyLoad(Model &m, Interaction &user, const LoadInput &in)
{
    LoadApplied out;
    out.verdict = checkLoadInput(m, user, in);
    if (!out.verdict.ok)
        return out;

    out.node = *typed::itemNumber(in.node);
    Node &node = m.nodes[out.node];
    const float fx = *typed::single(in.fx);
    const float fy = *typed::single(in.fy);
    const auto [line, colour] = loadLogLine(in, node, fx, fy);
    if (!line.isEmpty()) {
        EditStep step(user, line);
        node.fx = fx;
        node.fy = fy;
        user.log.append(line, colour);
    }
    // Every Apply marks the model changed, also one that changed nothing.
    m.modelChanged = true;
    return out;
}

LoadApplied deleteLoad(Model &m, Interaction &user, LoadInput &in)
{
    const LoadVerdict nodeCheck = checkLoadInput(m, user, LoadInput{in.node, {}, {}});
    if (!nodeCheck.ok)
        return {nodeCheck, 0};
    if (typed::number(in.fx) != 0 || typed::number(in.fy) != 0) {
        in.fx.clear();
        in.fy.clear();
        return applyLoad(m, user, in);
    }
    return {refuse(user, QStringLiteral("There is no load to delete on node #") + in.node,
                   LoadField::Apply),
            0};
}

std::vector<int> loadedNodes(const Model &m)
{
    std::vector<int> out;
    for (int n = 1; n <= m.nodeCount; ++n)
        if (m.nodes[n].fx != 0 || m.nodes[n].fy != 0)
            out.push_back(n);
    return out;
}
