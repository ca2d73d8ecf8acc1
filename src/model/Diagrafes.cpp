#include "model/Diagrafes.h"

#include "common/MessageLog.h"
#include "model/Model.h"

// The numbers after "renumbered" are the old numbers of the items that moved.
QString deletionText(const QString &singular, const QString &plural, int n, int count)
{
    QString text = QStringLiteral("%1 deleted: #%2.").arg(singular).arg(n);
    if (n == count - 1)
        text += QStringLiteral(" %1 renumbered: #%2.").arg(plural).arg(n + 1);
    else if (n < count - 1)
        text += QStringLiteral(" %1 renumbered: #%2 to #%3.").arg(plural).arg(n + 1).arg(count);
    return text;
}

QString nodeDeletionText(int n, int count)
{
    return deletionText(QStringLiteral("Node"), QStringLiteral("Nodes"), n, count);
}

QString elementDeletionText(int e, int count)
{
    return deletionText(QStringLiteral("Element"), QStringLiteral("Elements"), e, count);
}

void Diagrafi_Kombou(Model &m, MessageLog &log, int n)
{
    const int count = m.nodeCount;
    if (n < 1 || n > count)
        return;

    // The load lives in the node's row, so it moves with the node; the
    // springs are a table of their own and move row for row beside it.
    for (int k = n + 1; k <= count; ++k) {
        m.nodes[k - 1] = m.nodes[k];
        m.springs[k - 1] = m.springs[k];
    }
    m.nodes[count] = Node{};
    m.springs[count] = Spring{};

    for (int e = 1; e <= m.elementCount; ++e) {
        Element &el = m.elements[e];
        if (m.nodeI(e) > n)
            el.ni -= 1;
        if (m.nodeJ(e) > n)
            el.nj -= 1;
    }

    log.append(nodeDeletionText(n, count), LogGreen);
    m.nodeCount = static_cast<std::int16_t>(count - 1);
    m.modelChanged = true;
}

void Diagrafi_Stoixeiou(Model &m, MessageLog &log, int e)
{
    const int count = m.elementCount;
    if (e < 1 || e > count)
        return;

    for (int k = e + 1; k <= count; ++k)
        m.elements[k - 1] = m.elements[k];
    m.elements[count] = Element{};

    log.append(elementDeletionText(e, count), LogGreen);
    m.elementCount = static_cast<std::int16_t>(count - 1);
    m.modelChanged = true;
}
