#include "model/ElementEditing.h"

#include "common/Interaction.h"
#include "model/Diagrafes.h"
#include "model/Model.h"
#include "model/TypedNumbers.h"

namespace {

// A reference of the element to a numbered item: refused below 1 or when not
// whole (the Part's message), and when no such item exists.
ElementVerdict checkReference(Interaction &user, const QString &text, int count, ElementField field,
                              const QString &unacceptable, const QString &item)
{
    const double v = typed::number(text);
    if (v < 1 || !typed::isWhole(v))
        return refuse(user, unacceptable, field);
    if (v > count)
        return refuse(user, QStringLiteral("There is no %1 #%2.").arg(item, text.trimmed()), field,
                      true);
    return ElementVerdict::pass();
}

QString elementLogTail(const Element &el)
{
    return QStringLiteral(", Node i: #%1, Node j: #%2, E,A Group: #%3")
        .arg(qRound(el.ni))
        .arg(qRound(el.nj))
        .arg(qRound(el.group));
}

} // namespace

bool elementsDialogMayOpen(const Model &m, Interaction &user)
{
    if (m.groupCount == 0) {
        user.reportWarning(QStringLiteral(
            "Before defining an element, at least one E,A Element Group must have been defined."));
        return false;
    }
    if (m.nodeCount < 2) {
        user.reportWarning(QStringLiteral(
            "Before defining an element, at least two nodes must have been defined."));
        return false;
    }
    return true;
}

ElementVerdict elegxos_stoixeion(const Model &m, Interaction &user, const ElementInput &in)
{
    const double v = typed::number(in.number);
    if (v > kMaxElements)
        return refuse(user,
                      QStringLiteral("The maximum number of elements that can be defined is %1.")
                          .arg(kMaxElements),
                      ElementField::None);
    // Beyond the next new element there is no row to write.
    if (v < 1 || !typed::isWhole(v) || v > m.elementCount + 1)
        return refuse(user, QStringLiteral("The value given for element number is unacceptable."),
                      ElementField::Number);
    const struct {
        const QString &text;
        int count;
        ElementField field;
        const char *unacceptable, *item;
    } refs[] = {
        {in.group, m.groupCount, ElementField::Group,
         "The value given for E,A Group number is unacceptable.", "E,A Group"},
        {in.nodeI, m.nodeCount, ElementField::NodeI,
         "The value given for node i number is unacceptable.", "node"},
        {in.nodeJ, m.nodeCount, ElementField::NodeJ,
         "The value given for node j number is unacceptable.", "node"},
    };
    for (const auto &r : refs) {
        const ElementVerdict verdict = checkReference(
            user, r.text, r.count, r.field, QLatin1String(r.unacceptable), QLatin1String(r.item));
        if (!verdict.ok)
            return verdict;
    }
    if (typed::number(in.nodeI) == typed::number(in.nodeJ))
        return refuse(user, QStringLiteral("Given nodes i and j coincide."), ElementField::NodeI);
    return ElementVerdict::pass();
}

ElementApplied applyElement(Model &m, Interaction &user, const ElementInput &in)
{
    ElementApplied out;
    out.verdict = elegxos_stoixeion(m, user, in);
    if (!out.verdict.ok)
        return out;

    out.element = static_cast<int>(typed::number(in.number));
    out.added = out.element == m.elementCount + 1;
    const Element row{static_cast<float>(typed::number(in.nodeI)),
                      static_cast<float>(typed::number(in.nodeJ)),
                      static_cast<float>(typed::number(in.group))};
    const QString head = out.added ? QStringLiteral("New element #%1").arg(out.element)
                                   : QStringLiteral("* Element #") + in.number;
    const QString line = head + elementLogTail(row);

    EditStep step(user, line);
    if (out.added)
        m.elementCount = static_cast<std::int16_t>(out.element);
    m.elements[out.element] = row;
    user.log.append(line, LogDarkBlue);
    m.modelChanged = true;
    return out;
}

bool deleteElement(Model &m, Interaction &user, const QString &numberText)
{
    const auto v = typed::itemNumber(numberText);
    if (!v || *v < 1 || *v > m.elementCount) {
        user.reportWarning(QStringLiteral("Element does not exist to be deleted #") + numberText
                           + QLatin1Char('.'));
        return false;
    }
    EditStep step(user, elementDeletionText(*v, m.elementCount));
    Diagrafi_Stoixeiou(m, user.log, *v);
    return true;
}
