#include "model/NodeEditing.h"

#include "common/Interaction.h"
#include "common/NumberForms.h"
#include "model/Diagrafes.h"
#include "model/Model.h"
#include "model/TypedNumbers.h"

namespace {

QString constraintPart(const Node &node)
{
    QString code;
    code += node.cx == 1.0f ? QLatin1Char('x') : QLatin1Char('o');
    code += node.cy == 1.0f ? QLatin1Char('x') : QLatin1Char('o');
    if (code == QLatin1String("oo"))
        return QStringLiteral(", Free");
    return QStringLiteral(", Constraints: ") + code;
}

QString springPart(const Spring &spring)
{
    if (!(spring.kx > 0) && !(spring.ky > 0))
        return {};
    QString part = QStringLiteral(", ");
    if (spring.kx > 0)
        part += QStringLiteral("Kx= ") + nf::generalSingle(spring.kx);
    if (spring.ky > 0) {
        if (spring.kx > 0)
            part += QStringLiteral(", ");
        part += QStringLiteral("Ky= ") + nf::generalSingle(spring.ky);
    }
    return part;
}

// The first node other than `self` at exactly the typed point, or 0.
int nodeAt(const Model &m, const NodeInput &in, double self)
{
    const auto x = typed::single(in.x);
    const auto y = typed::single(in.y);
    if (!x || !y)
        return 0;
    for (int i = 1; i <= m.nodeCount; ++i) {
        if (i == self)
            continue;
        if (m.nodes[i].x == *x && m.nodes[i].y == *y)
            return i;
    }
    return 0;
}

// Values that would not fit their single-precision fields.
NodeVerdict checkRanges(Interaction &user, const NodeInput &in)
{
    const struct {
        const QString &text;
        const char *name;
        NodeField field;
    } fields[] = {{in.x, "coordinate x", NodeField::X},
                  {in.y, "coordinate y", NodeField::Y},
                  {in.kx, "Kx", NodeField::Kx},
                  {in.ky, "Ky", NodeField::Ky}};
    for (const auto &f : fields) {
        if (!typed::single(f.text))
            return refuse(user,
                          QStringLiteral("The value given for %1 is unacceptable.")
                              .arg(QLatin1String(f.name)),
                          f.field, true);
    }
    return NodeVerdict::pass();
}

int firstElementUsing(const Model &m, int n)
{
    for (int e = 1; e <= m.elementCount; ++e)
        if (m.nodeI(e) == n || m.nodeJ(e) == n)
            return e;
    return 0;
}

} // namespace

NodeVerdict elegxos_kombon(const Model &m, Interaction &user, const NodeInput &in)
{
    const double v = typed::number(in.number);
    if (v > kMaxNodes)
        return refuse(
            user,
            QStringLiteral("The maximum number of nodes that can be defined is %1.").arg(kMaxNodes),
            NodeField::None);
    if (const int i = nodeAt(m, in, v)) {
        return refuse(user,
                      QStringLiteral("At (%1, %2) there is already node #%3. ")
                          .arg(nf::generalSingle(m.nodes[i].x), nf::generalSingle(m.nodes[i].y))
                          .arg(i),
                      NodeField::X);
    }
    // Beyond the next new node there is no row to write.
    if (v < 1 || !typed::isWhole(v) || v > m.nodeCount + 1)
        return refuse(user, QStringLiteral("The value given for node number is unacceptable."),
                      NodeField::Number);
    const double kx = typed::number(in.kx);
    if (kx < 0 || typed::number(in.ky) < 0)
        return refuse(user, QStringLiteral("The elastic constants cannot have negative values."),
                      kx < 0 ? NodeField::Kx : NodeField::Ky, true);
    return checkRanges(user, in);
}

NodeApplied applyNode(Model &m, Interaction &user, const NodeInput &in)
{
    NodeApplied out;
    out.verdict = elegxos_kombon(m, user, in);
    if (!out.verdict.ok)
        return out;

    out.node = static_cast<int>(typed::number(in.number));
    out.added = out.node == m.nodeCount + 1;
    Node row = out.added ? Node{} : m.nodes[out.node];
    row.x = *typed::single(in.x);
    row.y = *typed::single(in.y);
    row.cx = in.fixedX ? 1.0f : 0.0f;
    row.cy = in.fixedY ? 1.0f : 0.0f;
    const Spring springs{*typed::single(in.kx), *typed::single(in.ky)};
    const QString head = out.added ? QStringLiteral("New node #%1").arg(out.node)
                                   : QStringLiteral("* Node #") + in.number;
    const QString line = nodeLogLine(head, row, springs);

    EditStep step(user, line);
    if (out.added)
        m.nodeCount = static_cast<std::int16_t>(out.node);
    m.nodes[out.node] = row;
    m.springs[out.node] = springs;
    user.log.append(line, LogDarkBlue);
    m.modelChanged = true;
    return out;
}

NodeDeletion deleteNode(Model &m, Interaction &user, const QString &numberText)
{
    const auto v = typed::itemNumber(numberText);
    if (!v || *v < 1 || *v > m.nodeCount) {
        user.reportWarning(QStringLiteral("There is no node to be deleted #") + numberText
                           + QLatin1Char('.'));
        return NodeDeletion::Refused;
    }
    const int n = *v;
    if (firstElementUsing(m, n) != 0) {
        const QString first =
            QStringLiteral("There are elements connected to the node, that must also be deleted.");
        const PromptAnswer answer = user.prompts().message(
            first + QStringLiteral("\nDo you want the deletion process to proceed?"), kProgramTitle,
            PromptIcon::Exclamation, PromptButtons::OkCancel);
        user.log.append(first, LogRed);
        if (answer != PromptAnswer::Ok)
            return NodeDeletion::Cancelled;
    }

    EditStep step(user, nodeDeletionText(n, m.nodeCount));
    while (const int e = firstElementUsing(m, n))
        Diagrafi_Stoixeiou(m, user.log, e);
    Diagrafi_Kombou(m, user.log, n);
    return NodeDeletion::Deleted;
}

QString nodeLogLine(const QString &head, const Node &node, const Spring &spring)
{
    return head + QStringLiteral(", x=") + nf::generalSingle(node.x) + QStringLiteral(", y=")
        + nf::generalSingle(node.y) + constraintPart(node) + springPart(spring);
}
