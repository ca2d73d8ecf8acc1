#include "model/GroupEditing.h"

#include "common/Interaction.h"
#include "common/NumberForms.h"
#include "model/Diagrafes.h"
#include "model/Model.h"
#include "model/TypedNumbers.h"

namespace {

// E and A must be above 0; a value beyond what the model file can hold is
// as unacceptable.
bool acceptable(const QString &text)
{
    const auto v = typed::dbl(text);
    return v && *v > 0;
}

int firstElementOfGroup(const Model &m, int g)
{
    for (int e = 1; e <= m.elementCount; ++e)
        if (m.groupOf(e) == g)
            return e;
    return 0;
}

} // namespace

GroupVerdict elegxos_omadon(const Model &m, Interaction &user, const GroupInput &in)
{
    const double v = typed::number(in.number);
    if (v > kMaxGroups)
        return refuse(user,
                      QStringLiteral("The maximum number of Groups that can be defined is %1.")
                          .arg(kMaxGroups),
                      GroupField::None);
    // Beyond the next new group there is no row to write.
    if (v < 1 || !typed::isWhole(v) || v > m.groupCount + 1)
        return refuse(user, QStringLiteral("The value given for Group number is unacceptable."),
                      GroupField::Number);
    if (!acceptable(in.e))
        return refuse(user, QStringLiteral("The value given for Youngs Modulus E is unacceptable."),
                      GroupField::E, true);
    if (!acceptable(in.a))
        return refuse(user, QStringLiteral("The value given for Section area A is unacceptable."),
                      GroupField::A, true);
    return GroupVerdict::pass();
}

GroupApplied applyGroup(Model &m, Interaction &user, const GroupInput &in)
{
    GroupApplied out;
    out.verdict = elegxos_omadon(m, user, in);
    if (!out.verdict.ok)
        return out;

    out.group = static_cast<int>(typed::number(in.number));
    out.added = out.group == m.groupCount + 1;
    const ElementGroup row{*typed::dbl(in.e), *typed::dbl(in.a)};
    const QString head = out.added ? QStringLiteral("New group #%1").arg(out.group)
                                   : QStringLiteral("* Group #") + in.number;
    const QString line = head + QStringLiteral(", E= ") + nf::generalDouble(row.E)
        + QStringLiteral(", A= ") + nf::generalDouble(row.A);

    EditStep step(user, line);
    if (out.added)
        m.groupCount = static_cast<std::int16_t>(out.group);
    m.groups[out.group] = row;
    user.log.append(line, LogDarkBlue);
    m.modelChanged = true;
    return out;
}

bool deleteGroup(Model &m, Interaction &user, const QString &numberText)
{
    const auto v = typed::itemNumber(numberText);
    const int count = m.groupCount;
    if (!v || *v < 1 || *v > count) {
        user.reportWarning(QStringLiteral("There is no Group #") + numberText
                           + QStringLiteral(" to delete."));
        return false;
    }
    const int g = *v;
    if (firstElementOfGroup(m, g) != 0) {
        user.reportWarning(
            QStringLiteral("Group #%1 cannot be deleted since there are elements belonging to it.")
                .arg(g));
        return false;
    }

    const QString line = deletionText(QStringLiteral("Group"), QStringLiteral("Groups"), g, count);
    EditStep step(user, line);
    for (int k = g + 1; k <= count; ++k)
        m.groups[k - 1] = m.groups[k];
    m.groups[count] = ElementGroup{};
    // Every element keeps its E and A: references behind g move down with
    // their rows.
    for (int e = 1; e <= m.elementCount; ++e)
        if (m.groupOf(e) > g)
            m.elements[e].group -= 1;
    user.log.append(line, LogGreen);
    m.groupCount = static_cast<std::int16_t>(count - 1);
    m.modelChanged = true;
    return true;
}
