// Adding, changing and deleting elements and groups: the validation order,
// the log lines, the group deletion with its renumbering, the forms.
#include "core/EditingFixture.h"
#include "model/ElementForm.h"
#include "model/GroupEditing.h"
#include "model/GroupForm.h"

namespace {

TEST(ElementEditing, RefusalsComeInTheirOrderAndChangeNothing)
{
    using F = ElementField;
    const struct {
        ElementInput in;
        QString message;
        ElementField focus;
        bool selectAll;
    } rows[] = {
        // clang-format off
        {{"201", "1", "1", "1"}, "The maximum number of elements that can be defined is 200.", F::None, false},
        {{"4", "1", "2", "1"}, "The value given for element number is unacceptable.", F::Number, false},
        {{"3", "1", "2", "3"}, "There is no E,A Group #3.", F::Group, true},
        {{"3", " 5", "2", "1"}, "There is no node #5.", F::NodeI, true},
        {{"3", "3", "3", "1"}, "Given nodes i and j coincide.", F::NodeI, false}, // after every number
        // clang-format on
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.message.toStdString());
        Editing t;
        t.nodes({{0, 0}, {1, 0}, {2, 0}, {3, 0}});
        t.groups(2);
        t.elements({{1, 2, 1}, {2, 3, 2}});
        const Model before = t.model();
        t.okBoxes();
        const ElementApplied applied = applyElement(t.model(), t.ws, r.in);
        EXPECT_EQ(verdictOf(applied.verdict), std::tuple(false, r.focus, r.selectAll));
        t.expectRefused(r.message);
        EXPECT_TRUE(t.model().sameData(before));
    }
}

// The form moves on after each Apply: a new element leaves the next new one
// ready, a changed one shows the element after it, a deletion the element
// that took its number.
TEST(ElementEditing, ApplyAndDeleteWriteTheirLines)
{
    Editing t;
    t.nodes({{0, 0}, {1, 0}, {2, 0}});
    t.groups(2);
    ElementForm form(t.model(), t.ws);
    form.open();
    for (const auto &[i, j] : {std::pair{"1", "2"}, {"2", "3"}, {"3", "1"}}) {
        form.fields.nodeI = QLatin1String(i);
        form.fields.nodeJ = QLatin1String(j);
        form.pressApply();
    }
    EXPECT_EQ(std::tuple(form.fields.number, form.fields.nodeI, form.focus),
              std::tuple(QStringLiteral("4"), QString(), ElementField::NodeI));
    form.selectNumber(1);
    form.fields.group = QStringLiteral("2");
    form.pressApply();
    form.pressDelete(); // element 2 of 3: the old element 3 shows
    EXPECT_EQ(std::tuple(form.fields.number, form.fields.nodeI, form.effects),
              std::tuple(QStringLiteral("2"), QStringLiteral("3"), EditEffects{true, true, false}));
    EXPECT_EQ(elementsOf(t.model()), (std::vector<Element>{{1, 2, 2}, {3, 1, 1}}));
    EXPECT_EQ(t.lines(),
              (Lines{{"New element #1, Node i: #1, Node j: #2, E,A Group: #1", LogDarkBlue},
                     {"New element #2, Node i: #2, Node j: #3, E,A Group: #1", LogDarkBlue},
                     {"New element #3, Node i: #3, Node j: #1, E,A Group: #1", LogDarkBlue},
                     {"* Element #1, Node i: #1, Node j: #2, E,A Group: #2", LogDarkBlue},
                     {"Element deleted: #2. Elements renumbered: #3.", LogGreen}}));
    EXPECT_EQ(std::pair(t.steps.labels.size(), t.steps.ended), std::pair(size_t(5), 5));
    // Opened on an element (the item menu), the last one included; past the
    // last, ready for a new one.
    for (const auto &[element, number, nodeI] : {std::tuple{2, "2", "3"}, {3, "3", ""}}) {
        form.open(element);
        EXPECT_EQ(std::pair(form.fields.number, form.fields.nodeI),
                  std::pair(QString::fromLatin1(number), QString::fromLatin1(nodeI)));
    }
}

TEST(GroupEditing, ApplyLogsOrRefusesInOrder)
{
    using F = GroupField;
    const struct {
        GroupInput in;
        QString text; // the line logged, or the refusal when `focus` is not Apply
        GroupField focus;
        ElementGroup row; // group 2 afterwards
    } rows[] = {
        // clang-format off
        {{"4", "200", "0.5"}, "New group #4, E= 200, A= 0.5", F::Apply, {200, 1}},
        {{"2", "200", "1E-30"}, "* Group #2, E= 200, A= 1E-30", F::Apply, {200, 1e-30}},
        {{"5", "1", "1"}, "The value given for Group number is unacceptable.", F::Number, {200, 1}}, // beyond the new group
        {{"2", "1e400", "-1"}, "The value given for Youngs Modulus E is unacceptable.", F::E, {200, 1}}, // too large for the file
        // clang-format on
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.text.toStdString());
        Editing t;
        t.groups(3);
        const bool ok = r.focus == F::Apply;
        t.okBoxes(!ok);
        const GroupApplied applied = applyGroup(t.model(), t.ws, r.in);
        if (ok) {
            EXPECT_EQ(t.lines(), (Lines{{r.text, LogDarkBlue}}));
        } else {
            t.expectRefused(r.text);
            EXPECT_EQ(applied.verdict.field, r.focus);
        }
        EXPECT_EQ(std::pair(applied.verdict.ok, int(t.model().groupCount)),
                  std::pair(ok, 3 + (r.in.number == "4")));
        EXPECT_EQ(t.model().groups[2], r.row);
    }
}

// The last group is shown for editing, not offered as a new one; the number
// after it is.
TEST(GroupEditing, FormShowsTheLastGroupAndOffersTheNext)
{
    Editing t;
    t.groups(3);
    GroupForm form(t.model(), t.ws);
    form.selectNumber(3);
    EXPECT_EQ(std::tuple(form.isNew, form.fields.e), std::tuple(false, QStringLiteral("300")));
    form.selectNumber(4);
    EXPECT_EQ(std::tuple(form.isNew, form.fields.e), std::tuple(true, QString()));
}

TEST(GroupEditing, DeletionRefusesGroupsInUseAndRenumbersTheRest)
{
    const struct {
        const char *number;
        bool deleted;
        const char *text;             // the log line, or the refusal
        std::vector<int> groupsAfter; // the elements' groups
        int groupsLeft;
        double e2; // E of group 2 afterwards
    } rows[] = {
        // clang-format off
        {"2", true, "Group deleted: #2. Groups renumbered: #3.", {1, 2}, 2, 300},
        {"3", false, "Group #3 cannot be deleted since there are elements belonging to it.", {1, 3}, 3, 200},
        // clang-format on
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.text);
        Editing t;
        t.nodes({{0, 0}, {1, 0}});
        t.groups(3);
        t.elements({{1, 2, 1}, {2, 1, 3}});
        t.okBoxes(!r.deleted);
        EXPECT_EQ(deleteGroup(t.model(), t.ws, QString::fromLatin1(r.number)), r.deleted);
        if (r.deleted)
            EXPECT_EQ(t.lines(), (Lines{{r.text, LogGreen}}));
        else
            t.expectRefused(QString::fromUtf8(r.text));
        const Model &m = t.model();
        EXPECT_EQ(
            std::tuple(std::vector{m.groupOf(1), m.groupOf(2)}, int(m.groupCount), m.groups[2].E),
            std::tuple(r.groupsAfter, r.groupsLeft, r.e2));
        EXPECT_EQ(m.groups[m.groupCount + 1], ElementGroup{});
    }
}

} // namespace
