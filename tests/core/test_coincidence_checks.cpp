// The coincident-nodes and coincident-elements checks of the Tools menu: the
// tolerance and its limit, the pair boxes, the summary and the early stop.
#include "common/NumberForms.h"
#include "core/EditingFixture.h"
#include "model/CoincidenceChecks.h"

#include <cmath>

namespace {

TEST(CoincidentNodes, ToleranceIsClampedAndEachPairIsShown)
{
    Editing t;
    // Nodes 1 and 2 are 0.0005 apart; node 3 is farther than the largest
    // tolerance from both.
    t.nodes({{0, 0}, {0.0003f, 0.0004f}, {0, 0.002f}});
    t.prompts.inputs.push_back(QStringLiteral("0.5"));
    t.okBoxes(3);

    ASSERT_EQ(checkCoincidentNodes(t.model(), t.ws), 1);

    const QString summary = "The search for coincident nodes is completed. 1 incidences of "
                            "coincident nodes were found. (Tolerance = 0.001).";
    EXPECT_EQ(t.prompts.shown[0].text,
              "Give the value for tolerance (Max. distance for which two nodes are considered to "
              "coincide).\n\n(Value between [0 , 0.001], Default=10E-5)");
    EXPECT_EQ(
        t.boxes(),
        (std::vector<QString>{"Tolerance = 0.001 (Maximum value).",
                              "Nodes: #1 and #2 theoretically coincide.\n\nDistance between "
                              "them D= "
                                  + nf::generalDouble(std::hypot(double(0.0003f), double(0.0004f))),
                              summary}));
    // Only the summary goes to the log.
    EXPECT_EQ(t.lines(), (Lines{{summary, LogRed}}));
}

TEST(CoincidentElements, PairsInEitherDirectionAndTheEarlyStop)
{
    const QString first = "The elements #1 and #3 between nodes #1 and #2 coincide. One of them "
                          "must be deleted.";
    for (const bool goOn : {true, false}) {
        Editing t;
        t.nodes({{0, 0}, {1, 0}, {2, 0}});
        // (1,2) and (2,1) coincide, (2,3) and (3,2) too; (1,3) matches none.
        t.elements({{1, 2, 1}, {2, 3, 1}, {2, 1, 1}, {3, 2, 1}, {1, 3, 1}});
        using A = PromptAnswer;
        t.prompts.answers = goOn ? std::deque{A::Yes, A::Yes, A::Ok} : std::deque{A::No};

        EXPECT_EQ(checkCoincidentElements(t.model(), t.ws), goOn ? std::optional(2) : std::nullopt);
        const QString second = "The elements #2 and #4 between nodes #2 and #3 coincide. One of "
                               "them must be deleted.",
                      summary = "The search for coincident elements is completed. 2 incidences "
                                "of coincident elements were found.";
        EXPECT_EQ(t.lines(),
                  (goOn ? Lines{{first, LogRed}, {second, LogRed}, {summary, LogRed}}
                        : Lines{{first, LogRed}}));
        ASSERT_FALSE(t.prompts.messages().empty());
        EXPECT_EQ(std::pair(t.prompts.messages()[0].text, t.prompts.messages()[0].buttons),
                  std::pair(first + "\nShall the search for coincident elements continue?",
                            PromptButtons::YesNo));
    }
}

} // namespace
