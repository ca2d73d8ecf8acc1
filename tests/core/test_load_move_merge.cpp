// Nodal loads, moving and merging nodes: the log lines, the refusals, and the
// merge's scan that leaves no element joining a node to itself.
#include "core/EditingFixture.h"
#include "model/LoadForm.h"
#include "model/MoveMerge.h"

#include <tuple>

namespace {

// Apply writes the line its old and typed values call for; also an Apply
// that changed nothing marks the model, redraws and moves on. A force beyond
// single precision is refused.
TEST(LoadEditing, ApplyChoosesItsLineByTheOldAndTypedValuesOrRefuses)
{
    const struct {
        float oldFx, oldFy;
        const char *fx, *fy;
        float newFx, newFy;
        Lines lines;
    } rows[] = {
        // clang-format off
        {0, 0, " 5abc", "-1E1", 5, -10, {{"New loads on node #2, Fx=  5abc, Fy= -1E1", LogDarkBlue}}},
        {5, 0, "5", "", 5, 0, {}}, // the same values again
        {5, 3, "0", "3", 0, 3, {{"* Loads on node #2, Fy= 3", LogDarkBlue}}},
        {5, 3, "", "0", 0, 0, {{"Loads deleted on node #2", LogGreen}}},
        {5, 3, "1e39", "", 5, 3, {{"The value given for Fx is unacceptable.", LogRed}}},
        // clang-format on
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.fx);
        Editing t;
        t.nodes({{0, 0}, {1, 0}, {2, 0}});
        t.model().nodes[2].fx = r.oldFx;
        t.model().nodes[2].fy = r.oldFy;
        LoadForm form(t.model(), t.ws);
        form.open(2);
        form.fields = LoadInput{"2", r.fx, r.fy};
        const bool refused = !r.lines.empty() && r.lines[0].second == LogRed;
        t.okBoxes(refused);
        form.pressApply();
        EXPECT_EQ(t.model().nodes[2], (Node{1, 0, 0, 0, r.newFx, r.newFy}));
        if (refused) {
            t.expectRefused(r.lines[0].first);
            EXPECT_FALSE(t.model().modelChanged);
            continue;
        }
        EXPECT_EQ(t.lines(), r.lines);
        EXPECT_EQ(std::tuple(t.model().modelChanged, form.effects.redraw, form.fields.node,
                             t.steps.labels.size()),
                  std::tuple(true, true, QStringLiteral("3"), r.lines.size()));
    }
}

TEST(MoveNodes, MovesTheRangeOrRefuses)
{
    using F = MoveField;
    const struct {
        MoveInput in;
        const char *text; // logged, or the refusal when `focus` is not None
        MoveField focus;
        std::vector<float> xs; // x of nodes 1..3 afterwards
    } rows[] = {
        // clang-format off
        {{"2", "3", "1.5", ""}, "Moved nodes: #2 to #3, dx=1.5, dy=0", F::None, {0, 2.5f, 3.5f}},
        {{"0", "2", "1", ""}, "There is no node #0.", F::First, {0, 1, 2}},
        {{"1", "4", "3e38", ""}, "The value given for dx is unacceptable.", F::Dx, {0, 1, 2}}, // node 4 leaves
        // clang-format on
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.text ? r.text : "nothing");
        Editing t;
        t.nodes({{0, 0}, {1, 0}, {2, 0}, {1e38f, 0}});
        const bool refused = r.focus != F::None, moved = r.text && !refused;
        t.okBoxes(refused);
        bool changed = false;
        EXPECT_EQ(moveNodes(t.model(), t.ws, r.in, changed).field, r.focus);
        if (refused)
            t.expectRefused(QString::fromUtf8(r.text));
        else
            EXPECT_EQ(t.lines(), (moved ? Lines{{r.text, LogDarkBlue}} : Lines{}));
        EXPECT_EQ(std::pair(changed, t.model().modelChanged), std::pair(moved, moved));
        const Model &m = t.model();
        EXPECT_EQ((std::vector{m.nodes[1].x, m.nodes[2].x, m.nodes[3].x}), r.xs);
    }
}

TEST(MergeNodes, JoinsBIntoAWithAndWithoutDeletion)
{
    using A = PromptAnswer;
    const QString joining = QStringLiteral("Between nodes to be merged there is element #2.");
    const std::pair<QString, int> asked{joining, LogRed},
        renumbered{"Element deleted: #2. Elements renumbered: #3.", LogGreen};
    const struct {
        MergeInput in;
        std::vector<PromptAnswer> answers;
        Lines lines;
        std::vector<Element> elements; // afterwards
        int nodesLeft;
        bool changed;
    } rows[] = {
        // clang-format off
        {{"2", "5", true, false}, {}, {{"Node #2 merged in node #5.", LogDarkBlue},
         {"Node deleted: #2. Nodes renumbered: #3 to #6.", LogGreen}}, {{1, 4, 1}, {4, 3, 1}, {3, 4, 1}}, 5, true},
        {{"2", "5", false, false}, {}, {{"Node #2 merged in node #5.", LogDarkBlue}},
         {{1, 5, 1}, {5, 4, 1}, {4, 5, 1}}, 6, true},
        // The second joining element moves into the first one's number and
        // is still found, so no element joins node 4 to itself.
        {{"2", "4", false, false}, {A::Ok, A::Ok}, {asked, renumbered, asked,
         {"Element deleted: #2.", LogGreen}, {"Node #2 merged in node #4.", LogDarkBlue}}, {{1, 4, 1}}, 6, true},
        // Cancel keeps what went before.
        {{"2", "4", true, false}, {A::Ok, A::Cancel}, {asked, renumbered, asked}, {{1, 2, 1}, {4, 2, 1}}, 6, true},
        // clang-format on
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.lines.size());
        Editing t;
        t.nodes({{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}});
        t.groups(1);
        t.elements({{1, 2, 1}, {2, 4, 1}, {4, 2, 1}});
        t.prompts.answers.assign(r.answers.begin(), r.answers.end());
        bool changed = false;
        EXPECT_TRUE(mergeNodes(t.model(), t.ws, r.in, changed).ok);
        EXPECT_EQ(t.lines(), r.lines);
        EXPECT_EQ(std::tuple(changed, elementsOf(t.model()), int(t.model().nodeCount)),
                  std::tuple(r.changed, r.elements, r.nodesLeft));
        for (const ShownPrompt &box : t.prompts.messages())
            EXPECT_EQ(std::pair(box.text, box.buttons),
                      std::pair(joining
                                    + "\nDo you want this element to be deleted in order "
                                      "for the nodes to be merged?",
                                PromptButtons::OkCancel));
        // One step, also when it was cancelled half-way.
        EXPECT_EQ(t.steps.labels.size(), r.lines.empty() ? 0u : 1u);
    }
}

TEST(MergeNodes, MidpointMovesA)
{
    Editing t;
    t.nodes({{0, 0}, {1, 1}, {2, 4}});
    MergeForm form(t.model(), t.ws);
    form.open();
    form.fields = MergeInput{"1", "3", true, true};
    form.pressApply();
    EXPECT_EQ(t.model().nodes[2], (Node{1, 2, 0, 0, 0, 0})); // old node 3, now 2
    EXPECT_EQ(form.fields.nodeA, "1");                       // both boxes back on node 1
    EXPECT_EQ(t.lines(),
              (Lines{{"Node #1 merged in node #3.", LogDarkBlue},
                     {"Node #3 moved to the middle of segment A\u0392.", LogDarkBlue},
                     {"Node deleted: #1. Nodes renumbered: #2 to #3.", LogGreen}}));
}

} // namespace
