// The check for nodes without elements that runs before every analysis.
#include "core/Fixtures.h"
#include "model/ModelChecks.h"

#include <gtest/gtest.h>
#include <utility>

namespace {

TEST(UnconnectedNodes, AsksDeletesAndDecides)
{
    using A = PromptAnswer;
    const struct {
        const char *name;
        int nodes;
        std::vector<std::pair<int, int>> elements;
        std::vector<PromptAnswer> answers;
        bool analyse;                // expected outcome
        std::vector<int> askedAbout; // node numbers named by the questions, in order
        int nodesLeft;
        std::pair<int, int> lastElement; // its nodes afterwards
    } rows[] = {
        {"empty model is never analysed", 0, {}, {}, false, {}, 0, {0, 0}},
        {"all connected", 3, {{1, 2}, {2, 3}}, {}, true, {}, 3, {2, 3}},
        {"Yes deletes, then analyses", 4, {{1, 3}, {3, 4}}, {A::Yes}, true, {2}, 3, {2, 3}},
        {"No analyses at once without looking further", 4, {{2, 3}}, {A::No}, true, {1}, 4, {2, 3}},
        {"Cancel stops", 3, {{1, 2}}, {A::Cancel}, false, {3}, 3, {1, 2}},
        // After node 1 goes, old node 4 is node 3: the second question names it so.
        {"checks again after renumbering", 4, {{2, 3}}, {A::Yes, A::Yes}, true, {1, 3}, 2, {1, 2}},
        {"lone node deleted leaves nothing to analyse", 1, {}, {A::Yes}, false, {1}, 0, {0, 0}},
    };
    for (const auto &c : rows) {
        SCOPED_TRACE(c.name);
        TestWorkspace ws;
        for (int n = 1; n <= c.nodes; ++n)
            truss::node(ws.model, float(n), 0);
        for (const auto &[i, j] : c.elements)
            truss::element(ws.model, i, j);
        ws.prompts.answers.assign(c.answers.begin(), c.answers.end());
        int redraws = 0;

        EXPECT_EQ(checkUnconnectedNodes(ws.model, ws, [&] { ++redraws; }), c.analyse);

        ASSERT_EQ(ws.prompts.shown.size(), c.askedAbout.size());
        QStringList log;
        for (size_t k = 0; k < c.askedAbout.size(); ++k) {
            const QString warning =
                QStringLiteral("Node #%1 is not connected to other nodes with elements and "
                               "could probably cause problems to the solution process.")
                    .arg(c.askedAbout[k]);
            EXPECT_EQ(ws.prompts.shown[k].text,
                      warning
                          + " Do you want that node to be deleted before starting the "
                            "analysis?");
            EXPECT_EQ(ws.prompts.shown[k].buttons, PromptButtons::YesNoCancel);
            log << warning;
            if (c.answers[k] == A::Yes)
                log << QStringLiteral("Node deleted: #%1.").arg(c.askedAbout[k]);
        }
        ASSERT_EQ(ws.log.entries().size(), log.size());
        for (const LogEntry &e : ws.log.entries()) {
            EXPECT_EQ(e.colour, e.text.startsWith("Node deleted") ? LogGreen : LogRed);
            EXPECT_TRUE(e.text.startsWith(log.takeFirst())) << e.text.toStdString();
        }
        EXPECT_EQ(ws.model.nodeCount, c.nodesLeft);
        const int last = std::max<int>(ws.model.elementCount, 1);
        EXPECT_EQ(std::pair(ws.model.nodeI(last), ws.model.nodeJ(last)), c.lastElement);
        EXPECT_EQ(redraws, ws.model.modelChanged ? c.nodes - c.nodesLeft : 0);
    }
}

} // namespace
