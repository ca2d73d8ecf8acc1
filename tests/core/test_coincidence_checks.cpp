// The coincident-nodes and coincident-elements checks of the Tools menu:
// the tolerance and its limits, the pair boxes in their order, the summary,
// and the early stop.
#include "common/NumberForms.h"
#include "core/EditingFixture.h"
#include "model/CoincidenceChecks.h"

#include <cmath>

namespace {

const QString kTolerancePrompt = QStringLiteral("Give the value for tolerance (Max. distance for "
                                                "which two nodes are considered to coincide).\n\n"
                                                "(Value between [0 , 0.001], Default=10E-5)");

TEST(CoincidentNodes, ToleranceIsClampedAndPairsAreShownInOrder)
{
    const struct {
        std::optional<QString> answer;
        const char *toleranceBox; // nullptr: none
        int coinciding;           // the first nodes found pairwise coincident
        const char *tolerance;    // in the summary
    } rows[] = {
        // clang-format off
        {std::nullopt, "Tolerance = 10E-5 (Default value).", 3, "1E-05"}, // cancelled
        {QStringLiteral("0.5"), "Tolerance = 0.001 (Maximum value).", 4, "0.001"},
        {QStringLiteral("-1"), "Tolerance = 0 (Minimum value).", 2, "0"}, // exact only
        {QStringLiteral("abc"), nullptr, 2, "0"}, // no number reads 0
        // clang-format on
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.answer.value_or("cancelled").toStdString());
        Editing t;
        // Three nodes at one point (one a hair apart), a fourth 0.0008 away.
        t.nodes({{1, 1}, {1, 1}, {1.000001f, 1}, {1.0008f, 1}});
        t.prompts.inputs.push_back(r.answer);
        const int found = r.coinciding * (r.coinciding - 1) / 2;
        t.okBoxes(found + (r.toleranceBox ? 2 : 1));

        ASSERT_EQ(checkCoincidentNodes(t.model(), t.ws), found);

        QStringList expected{kTolerancePrompt};
        if (r.toleranceBox)
            expected << QLatin1String(r.toleranceBox);
        for (int i = 1; i <= r.coinciding; ++i)
            for (int j = i + 1; j <= r.coinciding; ++j)
                expected << QStringLiteral("Nodes: #%1 and #%2 theoretically coincide.\n\n"
                                           "Distance between them D= ")
                                .arg(i)
                                .arg(j);
        const QString summary =
            QStringLiteral("The search for coincident nodes is completed. %1 incidences of "
                           "coincident nodes were found. (Tolerance = %2).")
                .arg(found)
                .arg(QLatin1String(r.tolerance));
        expected << summary;
        QStringList shown; // the pair boxes up to their distance
        for (const ShownPrompt &p : t.prompts.shown) {
            const qsizetype d = p.text.indexOf(QLatin1String("D= "));
            shown << (d < 0 ? p.text : p.text.left(d + 3));
        }
        EXPECT_EQ(shown, expected);
        // Only the summary goes to the log.
        EXPECT_EQ(t.lines(), (Lines{{summary, LogRed}}));
    }
}

TEST(CoincidentNodes, DistanceIsWrittenInTheGeneralForm)
{
    Editing t;
    t.nodes({{0, 0}, {0.0003f, 0.0004f}});
    t.prompts.inputs.push_back(QStringLiteral("0.001"));
    t.okBoxes(2);
    checkCoincidentNodes(t.model(), t.ws);
    EXPECT_EQ(t.prompts.shown[1].text,
              "Nodes: #1 and #2 theoretically coincide.\n\nDistance between them D= "
                  + nf::generalDouble(std::hypot(double(0.0003f), double(0.0004f))));
}

TEST(CoincidentElements, PairsInEitherDirectionAndTheEarlyStop)
{
    using A = PromptAnswer;
    const QString first =
        QStringLiteral("The elements #1 and #3 between nodes #1 and #2 coincide. One of them must "
                       "be deleted.");
    const QString second =
        QStringLiteral("The elements #2 and #4 between nodes #2 and #3 coincide. One of them must "
                       "be deleted.");
    const QString summary =
        QStringLiteral("The search for coincident elements is completed. 2 incidences of "
                       "coincident elements were found.");
    const struct {
        const char *name;
        std::vector<PromptAnswer> answers;
        std::optional<int> found;
        Lines lines;
    } rows[] = {
        // clang-format off
        {"to the end", {A::Yes, A::Yes, A::Ok}, 2, {{first, LogRed}, {second, LogRed}, {summary, LogRed}}},
        {"No stops without a summary", {A::No}, std::nullopt, {{first, LogRed}}},
        // clang-format on
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        Editing t;
        t.nodes({{0, 0}, {1, 0}, {2, 0}});
        // (1,2) and (2,1) coincide, (2,3) and (3,2) too; (1,3) matches none.
        t.elements({{1, 2, 1}, {2, 3, 1}, {2, 1, 1}, {3, 2, 1}, {1, 3, 1}});
        t.prompts.answers.assign(r.answers.begin(), r.answers.end());

        EXPECT_EQ(checkCoincidentElements(t.model(), t.ws), r.found);

        EXPECT_EQ(t.lines(), r.lines);
        const auto boxes = t.prompts.messages();
        ASSERT_EQ(boxes.size(), r.answers.size());
        EXPECT_EQ(std::pair(boxes[0].text, boxes[0].buttons),
                  std::pair(first + "\nShall the search for coincident elements continue?",
                            PromptButtons::YesNo));
    }
}

} // namespace
