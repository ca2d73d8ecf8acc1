// Adding, changing and deleting elements and groups: the validation order,
// the references that must name existing items, the log lines, the group
// deletion with its renumbering, and the dialogs' forms.
#include "core/EditingFixture.h"
#include "model/ElementForm.h"
#include "model/GroupForm.h"

namespace {

TEST(ElementEditing, RefusalsComeInTheirOrderAndChangeNothing)
{
    using F = ElementField;
    const QString unacceptable = QStringLiteral("The value given for %1 is unacceptable.");
    const struct {
        ElementInput in;
        QString message;
        ElementField focus;
        bool selectAll;
    } rows[] = {
        // clang-format off
        {{"201", "1", "1", "1"}, "The maximum number of elements that can be defined is 200.", F::None, false},
        {{"0", "1", "2", "1"}, unacceptable.arg("element number"), F::Number, false},
        {{"4", "1", "2", "1"}, unacceptable.arg("element number"), F::Number, false},
        {{"3", "1", "2", "1.5"}, unacceptable.arg("E,A Group number"), F::Group, false},
        {{"3", "1", "2", "3"}, "There is no E,A Group #3.", F::Group, true},
        {{"3", "", "2", "1"}, unacceptable.arg("node i number"), F::NodeI, false},
        {{"3", " 5", "2", "1"}, "There is no node #5.", F::NodeI, true},
        {{"3", "1", "-2", "1"}, unacceptable.arg("node j number"), F::NodeJ, false},
        {{"3", "1", "1e39", "1"}, "There is no node #1e39.", F::NodeJ, true},
        {{"3", "3", "3", "1"}, "Given nodes i and j coincide.", F::NodeI, false}, // after every number
        // clang-format on
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.message.toStdString() + " " + r.in.number.toStdString());
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

TEST(ElementEditing, ApplyAndDeleteWriteTheirLines)
{
    Editing t;
    t.nodes({{0, 0}, {1, 0}, {2, 0}});
    t.groups(2);
    ElementForm form(t.model(), t.ws);
    form.open();
    EXPECT_EQ(form.fields.number, "1");
    EXPECT_EQ(form.fields.group, "1");
    EXPECT_EQ(form.fields.nodeI, "");

    for (const auto &[i, j] : {std::pair{"1", "2"}, {"2", "3"}, {"3", "1"}}) {
        form.fields.nodeI = QLatin1String(i);
        form.fields.nodeJ = QLatin1String(j);
        form.pressApply();
        EXPECT_EQ(form.focus, ElementField::NodeI);
        EXPECT_EQ(form.fields.nodeI, "");
    }
    EXPECT_EQ(form.fields.number, "4");

    form.selectNumber(1);
    EXPECT_EQ(form.focus, ElementField::Apply);
    form.fields.group = QStringLiteral("2");
    form.pressApply();
    EXPECT_EQ(form.fields.number, "2"); // on to the next element
    EXPECT_EQ(form.fields.nodeI, "2");
    EXPECT_EQ(form.focus, ElementField::Apply);

    form.pressDelete(); // element 2 of 3
    EXPECT_EQ(form.fields.number, "2");
    EXPECT_EQ(form.fields.nodeI, "3"); // the old element 3
    EXPECT_EQ(form.effects, (EditEffects{true, true, false}));

    EXPECT_EQ(t.lines(),
              (Lines{{"New element #1, Node i: #1, Node j: #2, E,A Group: #1", LogDarkBlue},
                     {"New element #2, Node i: #2, Node j: #3, E,A Group: #1", LogDarkBlue},
                     {"New element #3, Node i: #3, Node j: #1, E,A Group: #1", LogDarkBlue},
                     {"* Element #1, Node i: #1, Node j: #2, E,A Group: #2", LogDarkBlue},
                     {"Element deleted: #2. Elements renumbered: #3.", LogGreen}}));
    EXPECT_EQ(t.steps.labels.size(), 5u);
    EXPECT_EQ(t.steps.ended, 5);
}

TEST(ElementEditing, OpeningNeedsAGroupAndTwoNodes)
{
    const struct {
        int nodes, groups;
        const char *message;
    } rows[] = {
        {0, 0,
         "Before defining an element, at least one E,A Element Group must have been defined."},
        {1, 1, "Before defining an element, at least two nodes must have been defined."},
        {2, 1, nullptr},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.nodes * 10 + r.groups);
        Editing t;
        t.model().nodeCount = std::int16_t(r.nodes);
        t.groups(r.groups);
        t.okBoxes(r.message ? 1 : 0);
        EXPECT_EQ(elementsDialogMayOpen(t.model(), t.ws), r.message == nullptr);
        if (r.message)
            t.expectRefused(QString::fromUtf8(r.message));
    }
}

TEST(ElementEditing, DeletionRefusesEveryNumberThatIsNoElement)
{
    for (const char *number : {"3", "0", "2.5", "x"}) {
        SCOPED_TRACE(number);
        Editing t;
        t.nodes({{0, 0}, {1, 0}});
        t.groups(1);
        t.elements({{1, 2, 1}, {2, 1, 1}});
        ElementForm form(t.model(), t.ws);
        form.open();
        form.fields.number = QLatin1String(number);
        t.okBoxes();
        form.pressDelete();
        t.expectRefused(
            QStringLiteral("Element does not exist to be deleted #%1.").arg(QLatin1String(number)));
        EXPECT_EQ(t.model().elementCount, 2);
        EXPECT_EQ(form.focus, ElementField::Number);
    }
}

TEST(GroupEditing, RefusalsComeInTheirOrder)
{
    using F = GroupField;
    const QString unacceptable = QStringLiteral("The value given for %1 is unacceptable.");
    const struct {
        GroupInput in;
        QString message;
        GroupField focus;
    } rows[] = {
        // clang-format off
        {{"51", "0", "0"}, "The maximum number of Groups that can be defined is 50.", F::None},
        {{"1.5", "1", "1"}, unacceptable.arg("Group number"), F::Number},
        {{"4", "1", "1"}, unacceptable.arg("Group number"), F::Number}, // beyond the new group
        {{"3", "0", "-1"}, unacceptable.arg("Youngs Modulus E"), F::E},
        {{"3", "1e400", "1"}, unacceptable.arg("Youngs Modulus E"), F::E}, // too large for the file
        {{"3", "1", "-1"}, unacceptable.arg("Section area A"), F::A},
        // clang-format on
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.message.toStdString() + " " + r.in.e.toStdString());
        Editing t;
        t.groups(2);
        t.okBoxes();
        const GroupApplied applied = applyGroup(t.model(), t.ws, r.in);
        EXPECT_EQ(std::pair(applied.verdict.ok, applied.verdict.field), std::pair(false, r.focus));
        t.expectRefused(r.message);
        EXPECT_EQ(t.model().groupCount, 2);
    }
}

TEST(GroupEditing, DeletionRefusesGroupsInUseAndRenumbersTheRest)
{
    const struct {
        const char *number;
        bool deleted;
        const char *text;             // the log line, or the refusal
        std::vector<int> groupsAfter; // the elements' groups
        std::vector<double> eAfter;   // E of the groups left
    } rows[] = {
        // clang-format off
        {"2", true, "Group deleted: #2. Groups renumbered: #3.", {1, 2}, {100, 300}},
        {"3", false, "Group #3 cannot be deleted since there are elements belonging to it.", {1, 3}, {100, 200, 300}},
        {"4", false, "There is no Group #4 to delete.", {1, 3}, {100, 200, 300}}, // the new-group entry
        {"0.5", false, "There is no Group #0.5 to delete.", {1, 3}, {100, 200, 300}},
        // clang-format on
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.text);
        Editing t;
        t.nodes({{0, 0}, {1, 0}});
        t.groups(3);
        t.elements({{1, 2, 1}, {2, 1, 3}});
        t.okBoxes(r.deleted ? 0 : 1);
        EXPECT_EQ(deleteGroup(t.model(), t.ws, QString::fromLatin1(r.number)), r.deleted);
        if (r.deleted)
            EXPECT_EQ(t.lines(), (Lines{{QString::fromUtf8(r.text), LogGreen}}));
        else
            t.expectRefused(QString::fromUtf8(r.text));
        EXPECT_EQ((std::vector{t.model().groupOf(1), t.model().groupOf(2)}), r.groupsAfter);
        std::vector<double> e;
        for (int g = 1; g <= t.model().groupCount; ++g)
            e.push_back(t.model().groups[g].E);
        EXPECT_EQ(e, r.eAfter);
        EXPECT_EQ(t.model().groups[t.model().groupCount + 1], ElementGroup{});
    }
}

TEST(GroupForm, ApplyLogsAndDeleteHidesTheQuantityButtonsOnly)
{
    Editing t;
    t.groups(3);
    GroupForm form(t.model(), t.ws);
    form.open();
    EXPECT_EQ(form.fields.number, "4");
    EXPECT_EQ(form.focus, GroupField::None);

    form.fields.e = QStringLiteral("200");
    form.fields.a = QStringLiteral("0.5");
    form.pressApply();
    EXPECT_EQ(form.fields.number, "5");
    EXPECT_EQ(form.fields.e, "");
    EXPECT_EQ(form.focus, GroupField::E);

    form.selectNumber(2);
    EXPECT_EQ(form.fields.e, "200");
    form.fields.a = QStringLiteral("1E-30");
    form.pressApply();
    EXPECT_EQ(form.fields.number, "3");
    EXPECT_EQ(form.focus, GroupField::Apply);

    form.fields.number = QStringLiteral("1");
    form.pressDelete();
    EXPECT_EQ(form.fields.number, "1");
    EXPECT_EQ(form.fields.e, "200"); // old group 2
    EXPECT_EQ(form.effects, (EditEffects{true, false, true}));

    EXPECT_EQ(t.lines(),
              (Lines{{"New group #4, E= 200, A= 0.5", LogDarkBlue},
                     {"* Group #2, E= 200, A= 1E-30", LogDarkBlue},
                     {"Group deleted: #1. Groups renumbered: #2 to #4.", LogGreen}}));
}

// A refused Apply leaves each form on the field the refusal names.
TEST(EditForms, RefusedApplyPointsAtTheField)
{
    Editing t;
    t.nodes({{0, 0}, {1, 0}});
    t.groups(1);
    ElementForm elements(t.model(), t.ws);
    elements.open();
    elements.fields.nodeI = QStringLiteral("1");
    elements.fields.nodeJ = QStringLiteral("5");
    GroupForm groups(t.model(), t.ws);
    groups.open();
    groups.fields.e = QStringLiteral("0");
    groups.fields.a = QStringLiteral("1");
    t.okBoxes(2);
    elements.pressApply();
    groups.pressApply();
    EXPECT_EQ(std::tuple(elements.focus, elements.selectAll, groups.focus, groups.selectAll),
              std::tuple(ElementField::NodeJ, true, GroupField::E, true));
    EXPECT_EQ(std::pair(int(t.model().elementCount), int(t.model().groupCount)), std::pair(0, 1));
}

} // namespace
