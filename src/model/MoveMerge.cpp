#include "model/MoveMerge.h"

#include "common/Interaction.h"
#include "common/NumberForms.h"
#include "model/Diagrafes.h"
#include "model/Model.h"
#include "model/TypedNumbers.h"

namespace {

// A node box's number, rounded to a whole number, when it names a node.
std::optional<int> existingNode(const Model &m, const QString &text)
{
    const auto n = nf::toInt16(typed::number(text));
    if (!n || *n < 1 || *n > m.nodeCount)
        return std::nullopt;
    return *n;
}

QString noSuchNode(const QString &text)
{
    return QStringLiteral("There is no node #%1.").arg(text.trimmed());
}

// The field whose offset would take one of the nodes beyond single
// precision, or None.
MoveField offsetOverflow(const Model &m, int first, int last, float dx, float dy)
{
    for (int k = first; k <= last; ++k) {
        if (!typed::toSingle(double(m.nodes[k].x) + dx))
            return MoveField::Dx;
        if (!typed::toSingle(double(m.nodes[k].y) + dy))
            return MoveField::Dy;
    }
    return MoveField::None;
}

bool joins(const Model &m, int e, int a, int b)
{
    const int i = m.nodeI(e);
    const int j = m.nodeJ(e);
    return (i == a && j == b) || (i == b && j == a);
}

// Offers each element that joins A and B for deletion. A deletion moves the
// next element into the same number, so the scan looks at that number again
// and no such element is passed over. False when the user cancelled.
bool removeJoiningElements(Model &m, Interaction &user, int a, int b, bool &changed)
{
    int e = 1;
    while (e <= m.elementCount) {
        if (!joins(m, e, a, b)) {
            ++e;
            continue;
        }
        const QString first =
            QStringLiteral("Between nodes to be merged there is element #%1.").arg(e);
        const PromptAnswer answer =
            user.prompts().message(first
                                       + QStringLiteral("\nDo you want this element to be deleted "
                                                        "in order for the nodes to be merged?"),
                                   kProgramTitle, PromptIcon::Question, PromptButtons::OkCancel);
        user.log.append(first, LogRed);
        if (answer != PromptAnswer::Ok)
            return false;
        Diagrafi_Stoixeiou(m, user.log, e);
        changed = true;
    }
    return true;
}

} // namespace

bool nodesDefined(const Model &m, Interaction &user)
{
    if (m.nodeCount > 0)
        return true;
    user.reportWarning(QStringLiteral("No nodes have been defined yet."));
    return false;
}

MoveVerdict moveNodes(Model &m, Interaction &user, const MoveInput &in, bool &changed)
{
    changed = false;
    const auto dx = typed::single(in.dx);
    if (!dx)
        return refuse(user, QStringLiteral("The value given for dx is unacceptable."),
                      MoveField::Dx, true);
    const auto dy = typed::single(in.dy);
    if (!dy)
        return refuse(user, QStringLiteral("The value given for dy is unacceptable."),
                      MoveField::Dy, true);
    if (*dx == 0 && *dy == 0)
        return MoveVerdict::pass();
    const auto first = existingNode(m, in.first);
    if (!first)
        return refuse(user, noSuchNode(in.first), MoveField::First, true);
    const auto last = existingNode(m, in.last);
    if (!last)
        return refuse(user, noSuchNode(in.last), MoveField::Last, true);
    if (const MoveField f = offsetOverflow(m, *first, *last, *dx, *dy); f != MoveField::None)
        return refuse(user,
                      QStringLiteral("The value given for %1 is unacceptable.")
                          .arg(f == MoveField::Dx ? QStringLiteral("dx") : QStringLiteral("dy")),
                      f, true);

    const QString line = QStringLiteral("Moved nodes: #%1 to #%2, dx=%3, dy=%4")
                             .arg(*first)
                             .arg(*last)
                             .arg(nf::generalSingle(*dx), nf::generalSingle(*dy));
    EditStep step(user, line);
    for (int k = *first; k <= *last; ++k) {
        m.nodes[k].x = *typed::toSingle(double(m.nodes[k].x) + *dx);
        m.nodes[k].y = *typed::toSingle(double(m.nodes[k].y) + *dy);
    }
    user.log.append(line, LogDarkBlue);
    m.modelChanged = true;
    changed = true;
    return MoveVerdict::pass();
}

MergeVerdict mergeNodes(Model &m, Interaction &user, const MergeInput &in, bool &changed)
{
    changed = false;
    const auto b = existingNode(m, in.nodeB);
    if (!b)
        return refuse(user, noSuchNode(in.nodeB), MergeField::NodeB, true);
    const auto a = existingNode(m, in.nodeA);
    if (!a)
        return refuse(user, noSuchNode(in.nodeA), MergeField::NodeA, true);
    if (*a == *b)
        return MergeVerdict::pass();

    const QString line = QStringLiteral("Node #%1 merged in node #%2.").arg(*b).arg(*a);
    EditStep step(user, line);
    if (!removeJoiningElements(m, user, *a, *b, changed))
        return MergeVerdict::pass();
    for (int e = 1; e <= m.elementCount; ++e) {
        if (m.nodeI(e) == *b)
            m.elements[e].ni = float(*a);
        if (m.nodeJ(e) == *b)
            m.elements[e].nj = float(*a);
    }
    Node &nodeA = m.nodes[*a];
    const Node &nodeB = m.nodes[*b];
    if (in.midpoint) {
        nodeA.x = static_cast<float>((double(nodeB.x) + nodeA.x) * 0.5);
        nodeA.y = static_cast<float>((double(nodeB.y) + nodeA.y) * 0.5);
    }
    user.log.append(line, LogDarkBlue);
    if (in.midpoint)
        user.log.append(QStringLiteral("Node #%1 moved to the middle of segment A\u0392.").arg(*a),
                        LogDarkBlue);
    if (in.deleteB)
        Diagrafi_Kombou(m, user.log, *b);
    m.modelChanged = true;
    changed = true;
    return MergeVerdict::pass();
}

// ------------------------------------------------------------------ forms

int MoveForm::nodeEntries() const { return m_model.nodeCount; }

void MoveForm::open()
{
    fields = MoveInput{entryText(1), entryText(m_model.nodeCount), {}, {}};
    focus = MoveField::None;
    effects = {};
}

void MoveForm::pressApply()
{
    bool changed = false;
    const MoveVerdict verdict = moveNodes(m_model, m_user, fields, changed);
    focus = verdict.field;
    selectAll = verdict.selectAll;
    effects = {};
    effects.redraw = changed;
}

int MergeForm::nodeEntries() const { return m_model.nodeCount; }

void MergeForm::open()
{
    fields.nodeB = fields.nodeA = entryText(1);
    focus = MergeField::None;
    effects = {};
}

void MergeForm::chooseNodeB()
{
    focus = MergeField::NodeA;
    selectAll = false;
    effects = {};
}

void MergeForm::pressApply()
{
    bool changed = false;
    const int nodesBefore = m_model.nodeCount;
    const MergeVerdict verdict = mergeNodes(m_model, m_user, fields, changed);
    focus = verdict.field;
    selectAll = verdict.selectAll;
    effects = {};
    effects.redraw = changed;
    // After B went, both boxes start again from node 1.
    if (m_model.nodeCount != nodesBefore)
        fields.nodeB = fields.nodeA = entryText(1);
}
