// Adding, changing and deleting nodes: the validation order, the log lines,
// and the deletion with its elements.
#include "core/EditingFixture.h"
#include "model/NodeForm.h"

#include <tuple>

namespace {

NodeInput node(const char *number, const char *x, const char *y, const char *kx = "",
               const char *ky = "", bool fixedX = false, bool fixedY = false)
{
    const auto l = [](const char *t) { return QString::fromLatin1(t); };
    return {l(number), l(x), l(y), l(kx), l(ky), fixedX, fixedY};
}

// Re-applying a node where it is passes: it is not compared with itself; its
// load stays. Refusals come in their order and change nothing.
TEST(NodeEditing, AppliedNodesAreWrittenAndLoggedOrRefused)
{
    using F = NodeField;
    const struct {
        NodeInput in;
        const char *text; // the line logged, or the refusal when `focus` is not Apply
        NodeField focus;
        bool selectAll;
        Node row{};
        Spring spring{};
    } rows[] = {
        // clang-format off
        {node("4", "2", "1", "5000", "", false, true), "New node #4, x=2, y=1, Constraints: ox, Kx= 5000", F::Apply, false, {2, 1, 0, 1, 0, 0}, {5000, 0}},
        {node("2", "1", "0", "", "", true), "* Node #2, x=1, y=0, Constraints: xo", F::Apply, false, {1, 0, 1, 0, 0, -7}, {0, 0}},
        {node(" 2abc", "1", "1"), "* Node # 2abc, x=1, y=1, Free", F::Apply, false, {1, 1, 0, 0, 0, -7}, {0, 0}},
        // The limit comes before the coincident point it also has.
        {node("101", "1", "0"), "The maximum number of nodes that can be defined is 100.", F::None, false},
        {node("4", "1", "0"), "At (1, 0) there is already node #2. ", F::X, false},
        {node("5", "7", "7"), "The value given for node number is unacceptable.", F::Number, false},
        {node("0", "7", "7"), "The value given for node number is unacceptable.", F::Number, false},
        {node("4", "5", "5", "", "-2"), "The elastic constants cannot have negative values.", F::Ky, true},
        // Halfway between the largest float and the next power of two rounds up to infinity.
        {node("4", "340282356779733661637539395458142568448", "5"), "The value given for coordinate x is unacceptable.", F::X, true},
        // clang-format on
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.text);
        Editing t;
        t.nodes({{0, 0}, {1, 0}, {2, 0}});
        t.model().nodes[2].fy = -7;
        const Model before = t.model();
        const bool ok = r.focus == F::Apply;
        t.okBoxes(!ok);
        const NodeApplied applied = applyNode(t.model(), t.ws, r.in);
        if (!ok) {
            EXPECT_EQ(verdictOf(applied.verdict), std::tuple(false, r.focus, r.selectAll));
            t.expectRefused(QString::fromUtf8(r.text));
            EXPECT_TRUE(t.model().sameData(before));
            EXPECT_FALSE(t.model().modelChanged);
            continue;
        }
        ASSERT_TRUE(applied.verdict.ok);
        EXPECT_EQ(t.lines(), (Lines{{r.text, LogDarkBlue}}));
        const Model &m = t.model();
        EXPECT_EQ(std::tuple(m.nodes[applied.node], m.springs[applied.node], m.modelChanged),
                  std::tuple(r.row, r.spring, true));
        EXPECT_EQ(t.steps.labels, std::vector<QString>{r.text});
        EXPECT_EQ(t.steps.ended, 1);
    }
}

TEST(NodeEditing, DeletionAsksOnceAndTakesTheElementsFirst)
{
    using A = PromptAnswer;
    const QString question =
        QStringLiteral("There are elements connected to the node, that must also be "
                       "deleted.\nDo you want the deletion process to proceed?");
    const struct {
        const char *name;
        const char *number;
        std::vector<PromptAnswer> answers;
        NodeDeletion outcome;
        Lines lines;
        int nodesLeft, elementsLeft;
    } rows[] = {
        // clang-format off
        {"node with two elements, OK", "2", {A::Ok}, NodeDeletion::Deleted,
         {{"There are elements connected to the node, that must also be deleted.", LogRed},
          {"Element deleted: #1. Elements renumbered: #2 to #3.", LogGreen},
          {"Element deleted: #1. Elements renumbered: #2.", LogGreen},
          {"Node deleted: #2. Nodes renumbered: #3 to #4.", LogGreen}}, 3, 1},
        {"node with two elements, Cancel", "2", {A::Cancel}, NodeDeletion::Cancelled,
         {{"There are elements connected to the node, that must also be deleted.", LogRed}}, 4, 3},
        {"no such node", "2.5", {A::Ok}, NodeDeletion::Refused,
         {{"There is no node to be deleted #2.5.", LogRed}}, 4, 3},
        // clang-format on
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        Editing t;
        t.nodes({{0, 0}, {1, 0}, {2, 0}, {3, 0}});
        t.elements({{2, 1, 1}, {1, 2, 1}, {1, 3, 1}}); // node 2 in elements 1 and 2
        t.prompts.answers.assign(r.answers.begin(), r.answers.end());

        EXPECT_EQ(deleteNode(t.model(), t.ws, QString::fromLatin1(r.number)), r.outcome);

        EXPECT_EQ(t.lines(), r.lines);
        EXPECT_EQ(std::pair(int(t.model().nodeCount), int(t.model().elementCount)),
                  std::pair(r.nodesLeft, r.elementsLeft));
        const QString box = r.outcome == NodeDeletion::Refused ? r.lines[0].first : question;
        EXPECT_EQ(t.boxes(), r.answers.empty() ? std::vector<QString>{} : std::vector{box});
        // One step however many elements went with the node.
        EXPECT_EQ(t.steps.labels.size(), r.outcome == NodeDeletion::Deleted ? 1u : 0u);
    }
}

// At the capacity the form proposes node 101; neither Apply nor New makes it.
TEST(NodeForm, NoPathMakesTheHundredAndFirstNode)
{
    Editing t;
    for (int n = 1; n <= kMaxNodes; ++n)
        t.model().nodes[n] = Node{float(n), 0, 0, 0, 0, 0};
    t.model().nodeCount = kMaxNodes;
    NodeForm form(t.model(), t.ws);
    form.open();
    EXPECT_EQ(form.fields.number, "101");
    t.okBoxes(2);
    for (const char *x : {"-1", "-2"}) { // Apply; New, then Apply
        form.fields.x = QLatin1String(x);
        form.pressApply();
        form.pressNew();
    }
    EXPECT_EQ(std::pair(int(t.model().nodeCount), t.boxes().size()), std::pair(kMaxNodes, 2ul));
}

} // namespace
