#include "reports/ModelTree.h"

#include "common/NumberForms.h"
#include "model/Model.h"
#include "reports/ModelCounts.h"

#include <cmath>

namespace {

// Values are written as in the grids: the report's plain form.
QString number(double v) { return std::isfinite(v) ? nf::reportPlainDouble(v) : QString(); }
QString number(float v) { return std::isfinite(v) ? nf::reportPlainSingle(v) : QString(); }

TreeEntry leaf(const QString &text) { return TreeEntry{QString(), text, false, {}}; }

TreeEntry item(const char *keyPrefix, int k, const char *noun)
{
    return TreeEntry{QString::fromLatin1(keyPrefix) + QString::number(k),
                     QStringLiteral("#%1 ").arg(k) + QString::fromLatin1(noun),
                     false,
                     {}};
}

TreeEntry section(const char *text, const char *key)
{
    return TreeEntry{QString::fromLatin1(key), QString::fromLatin1(text), true, {}};
}

TreeEntry groupsSection(const Model &m)
{
    TreeEntry s = section("E,A Element Groups", "omad");
    for (int g = 1; g <= groupRows(m); ++g) {
        TreeEntry e = item("omad", g, "E,A Group");
        e.children.push_back(leaf(QStringLiteral("E = ") + number(m.groups[g].E)));
        e.children.push_back(leaf(QStringLiteral("A = ") + number(m.groups[g].A)));
        s.children.push_back(std::move(e));
    }
    return s;
}

TreeEntry nodesSection(const Model &m)
{
    TreeEntry s = section("Nodes", "komb");
    for (int n = 1; n <= nodeRows(m); ++n) {
        const Node &nd = m.nodes[n];
        const Spring &sp = m.springs[n];
        TreeEntry e = item("komb", n, "Node");
        e.children.push_back(leaf(QStringLiteral("x = ") + number(nd.x)));
        e.children.push_back(leaf(QStringLiteral("y = ") + number(nd.y)));
        e.children.push_back(leaf(isConstrained(nd)
                                      ? QStringLiteral("Constraints: ") + constraintCode(nd)
                                      : QStringLiteral("Free")));
        if (sp.kx > 0.0f)
            e.children.push_back(leaf(QStringLiteral("Kx = ") + number(sp.kx)));
        if (sp.ky > 0.0f)
            e.children.push_back(leaf(QStringLiteral("Ky = ") + number(sp.ky)));
        s.children.push_back(std::move(e));
    }
    return s;
}

TreeEntry elementsSection(const Model &m)
{
    TreeEntry s = section("Elements", "stoi");
    for (int k = 1; k <= elementRows(m); ++k) {
        TreeEntry e = item("stoi", k, "Element");
        e.children.push_back(leaf(QStringLiteral("Start node i: %1").arg(m.nodeI(k))));
        e.children.push_back(leaf(QStringLiteral("End node j: %1").arg(m.nodeJ(k))));
        e.children.push_back(leaf(QStringLiteral("Belongs to E,A group: %1").arg(m.groupOf(k))));
        s.children.push_back(std::move(e));
    }
    return s;
}

TreeEntry loadsSection(const Model &m)
{
    TreeEntry s = section("Nodal loads", "sigk");
    int k = 0;
    for (int n = 1; n <= nodeRows(m); ++n) {
        const Node &nd = m.nodes[n];
        if (!isLoaded(nd))
            continue;
        TreeEntry e = item("sigk", ++k, "Nodal load");
        e.children.push_back(leaf(QStringLiteral("On node: #%1").arg(n)));
        if (nd.fx != 0.0f)
            e.children.push_back(leaf(QStringLiteral("Fx = ") + number(nd.fx)));
        if (nd.fy != 0.0f)
            e.children.push_back(leaf(QStringLiteral("Fy = ") + number(nd.fy)));
        s.children.push_back(std::move(e));
    }
    return s;
}

} // namespace

TreeEntry Ftiakse_treeview(const Model &m)
{
    TreeEntry root{QString(), QStringLiteral("Model"), true, {}};
    root.children.push_back(groupsSection(m));
    root.children.push_back(nodesSection(m));
    root.children.push_back(elementsSection(m));
    root.children.push_back(loadsSection(m));
    return root;
}
