#include "reports/ModelCounts.h"

QString constraintCode(const Node &n)
{
    if (!isConstrained(n))
        return QString();
    return QString(n.cx == 1.0f ? QLatin1Char('x') : QLatin1Char('o'))
        + QString(n.cy == 1.0f ? QLatin1Char('x') : QLatin1Char('o'));
}

ModelCounts countModel(const Model &m)
{
    ModelCounts c;
    c.groups = m.groupCount;
    c.nodes = m.nodeCount;
    c.elements = m.elementCount;
    c.dofs = 2 * m.nodeCount;
    for (int n = 1; n <= nodeRows(m); ++n) {
        c.constrained += isConstrained(m.nodes[n]) ? 1 : 0;
        c.loaded += isLoaded(m.nodes[n]) ? 1 : 0;
        c.sprung += hasSpring(m.springs[n]) ? 1 : 0;
    }
    return c;
}
