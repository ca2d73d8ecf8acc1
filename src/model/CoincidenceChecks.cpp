#include "model/CoincidenceChecks.h"

#include "common/Interaction.h"
#include "common/NumberForms.h"
#include "model/Model.h"
#include "model/TypedNumbers.h"

#include <cmath>

namespace {

// Boxes of these checks without a title of their own carry the
// application's default title.
void inform(Interaction &user, const QString &text, PromptIcon icon = PromptIcon::Information)
{
    user.prompts().message(text, QString(), icon, PromptButtons::Ok);
}

bool sameNodes(const Model &m, int e1, int e2)
{
    const int i1 = m.nodeI(e1), j1 = m.nodeJ(e1);
    const int i2 = m.nodeI(e2), j2 = m.nodeJ(e2);
    return (i1 == i2 && j1 == j2) || (i1 == j2 && j1 == i2);
}

} // namespace

double askCoincidenceTolerance(Interaction &user)
{
    const auto answer = user.prompts().input(
        QStringLiteral(
            "Give the value for tolerance (Max. distance for which two nodes are considered to "
            "coincide).\n\n(Value between [0 , 0.001], Default=10E-5)"),
        kProgramTitle, QString());
    if (!answer || answer->isEmpty()) {
        inform(user, QStringLiteral("Tolerance = 10E-5 (Default value)."));
        return kDefaultTolerance;
    }
    const double tolerance = typed::number(*answer);
    if (tolerance < 0) {
        inform(user, QStringLiteral("Tolerance = 0 (Minimum value)."));
        return 0;
    }
    if (tolerance > kMaxTolerance) {
        inform(user, QStringLiteral("Tolerance = 0.001 (Maximum value)."));
        return kMaxTolerance;
    }
    return tolerance;
}

std::optional<int> checkCoincidentNodes(const Model &m, Interaction &user)
{
    if (m.nodeCount == 0) {
        user.reportWarning(QStringLiteral("No nodes have been defined yet."));
        return std::nullopt;
    }
    const double tolerance = askCoincidenceTolerance(user);
    int found = 0;
    for (int i = 1; i <= m.nodeCount; ++i) {
        for (int j = i + 1; j <= m.nodeCount; ++j) {
            const double dx = double(m.nodes[i].x) - m.nodes[j].x;
            const double dy = double(m.nodes[i].y) - m.nodes[j].y;
            const double d = std::sqrt(dy * dy + dx * dx);
            if (!(d <= tolerance))
                continue;
            ++found;
            inform(user,
                   QStringLiteral(
                       "Nodes: #%1 and #%2 theoretically coincide.\n\nDistance between them D= %3")
                       .arg(i)
                       .arg(j)
                       .arg(nf::generalDouble(d)),
                   PromptIcon::None);
        }
    }
    const QString summary =
        QStringLiteral("The search for coincident nodes is completed. %1 incidences of "
                       "coincident nodes were found. (Tolerance = %2).")
            .arg(found)
            .arg(nf::generalDouble(tolerance));
    user.log.append(summary, LogRed);
    inform(user, summary);
    return found;
}

std::optional<int> checkCoincidentElements(const Model &m, Interaction &user)
{
    if (m.elementCount == 0) {
        user.reportWarning(QStringLiteral("No elements have been defined yet."));
        return std::nullopt;
    }
    int found = 0;
    for (int e1 = 1; e1 <= m.elementCount; ++e1) {
        for (int e2 = e1 + 1; e2 <= m.elementCount; ++e2) {
            if (!sameNodes(m, e1, e2))
                continue;
            ++found;
            const QString text =
                QStringLiteral("The elements #%1 and #%2 between nodes #%3 and #%4 coincide. "
                               "One of them must be deleted.")
                    .arg(e1)
                    .arg(e2)
                    .arg(m.nodeI(e1))
                    .arg(m.nodeJ(e1));
            user.log.append(text, LogRed);
            const PromptAnswer answer = user.prompts().message(
                text + QStringLiteral("\nShall the search for coincident elements continue?"),
                QString(), PromptIcon::Information, PromptButtons::YesNo);
            if (answer != PromptAnswer::Yes)
                return std::nullopt;
        }
    }
    const QString summary =
        QStringLiteral("The search for coincident elements is completed. %1 incidences of "
                       "coincident elements were found.")
            .arg(found);
    user.log.append(summary, LogRed);
    inform(user, summary);
    return found;
}
