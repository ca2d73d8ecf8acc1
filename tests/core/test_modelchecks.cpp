// The check for nodes without elements that runs before every analysis.
#include "core/ScriptedPrompts.h"
#include "model/ModelChecks.h"
#include "workspace/Workspace.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

QString unconnectedQuestion(int n)
{
    return QStringLiteral("Node #%1 is not connected to other nodes with elements and could "
                          "probably cause problems to the solution process. Do you want that node "
                          "to be deleted before starting the analysis?")
        .arg(n);
}

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
        int redraws; // one per deleted node
    } rows[] = {
        {"empty model is never analysed", 0, {}, {}, false, {}, 0, 0},
        {"all connected", 3, {{1, 2}, {2, 3}}, {}, true, {}, 3, 0},
        {"Yes deletes, then analyses", 4, {{1, 2}, {2, 3}}, {A::Yes}, true, {4}, 3, 1},
        {"No analyses at once without looking further", 4, {{2, 3}}, {A::No}, true, {1}, 4, 0},
        {"Cancel stops", 3, {{1, 2}}, {A::Cancel}, false, {3}, 3, 0},
        // After node 1 goes, old node 4 is node 3: the second question names it so.
        {"checks again after renumbering", 4, {{2, 3}}, {A::Yes, A::Yes}, true, {1, 3}, 2, 2},
        {"lone node deleted leaves nothing to analyse", 1, {}, {A::Yes}, false, {1}, 0, 1},
    };
    for (const auto &c : rows) {
        SCOPED_TRACE(c.name);
        Workspace ws;
        ScriptedPrompts prompts;
        ws.setPrompts(&prompts);
        for (int n = 1; n <= c.nodes; ++n)
            ws.model.nodes[n] = Node{float(n), 0, 0, 0, 0, 0};
        ws.model.nodeCount = std::int16_t(c.nodes);
        int e = 0;
        for (const auto &[i, j] : c.elements)
            ws.model.elements[++e] = Element{float(i), float(j), 1};
        ws.model.elementCount = std::int16_t(e);
        prompts.answers.assign(c.answers.begin(), c.answers.end());

        int redraws = 0;
        EXPECT_EQ(checkUnconnectedNodes(ws.model, ws, [&] { ++redraws; }), c.analyse);

        const auto boxes = prompts.messages();
        ASSERT_EQ(boxes.size(), c.askedAbout.size());
        for (size_t k = 0; k < boxes.size(); ++k) {
            EXPECT_EQ(boxes[k].text, unconnectedQuestion(c.askedAbout[k]));
            EXPECT_EQ(boxes[k].buttons, PromptButtons::YesNoCancel);
        }
        EXPECT_EQ(prompts.unscripted, 0);
        EXPECT_EQ(ws.model.nodeCount, c.nodesLeft);
        EXPECT_EQ(redraws, c.redraws);
    }
}

TEST(UnconnectedNodes, WritesTheWarningInRedAndTheDeletionInGreen)
{
    Workspace ws;
    ScriptedPrompts prompts;
    ws.setPrompts(&prompts);
    ws.model.nodeCount = 3;
    ws.model.elements[1] = Element{1, 3, 1};
    ws.model.elementCount = 1;
    prompts.answers = {PromptAnswer::Yes};

    EXPECT_TRUE(checkUnconnectedNodes(ws.model, ws));

    const auto &entries = ws.log.entries();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].text,
              QStringLiteral("Node #2 is not connected to other nodes with elements "
                             "and could probably cause problems to the solution process."));
    EXPECT_EQ(entries[0].colour, LogRed);
    EXPECT_EQ(entries[1].text, QStringLiteral("Node deleted: #2. Nodes renumbered: #3."));
    EXPECT_EQ(entries[1].colour, LogGreen);
    // The element that used old node 3 now uses node 2.
    EXPECT_EQ(ws.model.nodeJ(1), 2);
    EXPECT_TRUE(ws.model.modelChanged);
}

} // namespace
