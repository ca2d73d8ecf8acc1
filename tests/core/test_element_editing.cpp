// Adding, changing and deleting elements and groups: the validation order,
// the references that must name existing items, the log lines, the group
// deletion with its renumbering, and the dialogs' forms.
#include "core/EditingFixture.h"
#include "model/ElementForm.h"
#include "model/GroupForm.h"

namespace {

TEST(ElementEditing, RefusalsComeInTheirOrderAndChangeNothing)
{
    const struct {
        const char *name;
        ElementInput in;
        const char *message;
        ElementField focus;
        bool selectAll;
    } rows[] = {
        // clang-format off
        {"number above the limit", {"201", "1", "1", "1"},
         "The maximum number of elements that can be defined is 200.", ElementField::None, false},
        {"number 0", {"0", "1", "2", "1"},
         "The value given for element number is unacceptable.", ElementField::Number, false},
        {"number beyond the new element", {"4", "1", "2", "1"},
         "The value given for element number is unacceptable.", ElementField::Number, false},
        {"group not whole", {"3", "1", "2", "1.5"},
         "The value given for E,A Group number is unacceptable.", ElementField::Group, false},
        {"group that does not exist", {"3", "1", "2", "3"},
         "There is no E,A Group #3.", ElementField::Group, true},
        {"node i empty", {"3", "", "2", "1"},
         "The value given for node i number is unacceptable.", ElementField::NodeI, false},
        {"node i that does not exist", {"3", " 5", "2", "1"},
         "There is no node #5.", ElementField::NodeI, true},
        {"node j negative", {"3", "1", "-2", "1"},
         "The value given for node j number is unacceptable.", ElementField::NodeJ, false},
        {"node j far beyond", {"3", "1", "1e39", "1"},
         "There is no node #1e39.", ElementField::NodeJ, true},
        // Only after every number passed.
        {"nodes i and j equal", {"3", "3", "3", "1"},
         "Given nodes i and j coincide.", ElementField::NodeI, false},
        // clang-format on
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        Editing t;
        t.nodes({{0, 0}, {1, 0}, {2, 0}, {3, 0}});
        t.groups(2);
        t.elements({{1, 2, 1}, {2, 3, 2}});
        const Model before = t.model();
        t.okBoxes();

        const ElementApplied applied = applyElement(t.model(), t.ws, r.in);

        EXPECT_FALSE(applied.verdict.ok);
        EXPECT_EQ(applied.verdict.field, r.focus);
        EXPECT_EQ(applied.verdict.selectAll, r.selectAll);
        t.expectRefused(QString::fromUtf8(r.message));
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
    const struct {
        const char *name;
        GroupInput in;
        const char *message;
        GroupField focus;
    } rows[] = {
        // clang-format off
        {"number above the limit", {"51", "0", "0"},
         "The maximum number of Groups that can be defined is 50.", GroupField::None},
        {"number not whole", {"1.5", "1", "1"},
         "The value given for Group number is unacceptable.", GroupField::Number},
        {"number beyond the new group", {"4", "1", "1"},
         "The value given for Group number is unacceptable.", GroupField::Number},
        {"E of 0", {"3", "0", "-1"},
         "The value given for Youngs Modulus E is unacceptable.", GroupField::E},
        {"E too large for the model file", {"3", "1e400", "1"},
         "The value given for Youngs Modulus E is unacceptable.", GroupField::E},
        {"A of -1", {"3", "1", "-1"},
         "The value given for Section area A is unacceptable.", GroupField::A},
        // clang-format on
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        Editing t;
        t.groups(2);
        t.okBoxes();
        const GroupApplied applied = applyGroup(t.model(), t.ws, r.in);
        EXPECT_FALSE(applied.verdict.ok);
        EXPECT_EQ(applied.verdict.field, r.focus);
        t.expectRefused(QString::fromUtf8(r.message));
        EXPECT_EQ(t.model().groupCount, 2);
    }
}

TEST(GroupEditing, DeletionRefusesGroupsInUseAndRenumbersTheRest)
{
    const struct {
        const char *name;
        const char *number;
        const char *message; // refused with this, or deleted with `line`
        const char *line;
        std::vector<int> groupsAfter; // the elements' groups
        std::vector<double> eAfter;   // E of the groups left
    } rows[] = {
        // clang-format off
        {"middle group", "2", nullptr, "Group deleted: #2. Groups renumbered: #3.", {1, 2}, {100, 300}},
        {"last group", "3", "Group #3 cannot be deleted since there are elements belonging to it.",
         nullptr, {1, 3}, {100, 200, 300}},
        {"new-group entry", "4", "There is no Group #4 to delete.", nullptr, {1, 3}, {100, 200, 300}},
        {"not a group", "0.5", "There is no Group #0.5 to delete.", nullptr, {1, 3}, {100, 200, 300}},
        // clang-format on
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        Editing t;
        t.nodes({{0, 0}, {1, 0}});
        t.groups(3);
        t.elements({{1, 2, 1}, {2, 1, 3}});
        t.okBoxes(r.message ? 1 : 0);

        EXPECT_EQ(deleteGroup(t.model(), t.ws, QString::fromLatin1(r.number)),
                  r.message == nullptr);

        if (r.message)
            t.expectRefused(QString::fromUtf8(r.message));
        else
            EXPECT_EQ(t.lines(), (Lines{{QString::fromUtf8(r.line), LogGreen}}));
        EXPECT_EQ(t.model().groupOf(1), r.groupsAfter[0]);
        EXPECT_EQ(t.model().groupOf(2), r.groupsAfter[1]);
        ASSERT_EQ(t.model().groupCount, int(r.eAfter.size()));
        for (size_t g = 0; g < r.eAfter.size(); ++g)
            EXPECT_EQ(t.model().groups[g + 1].E, r.eAfter[g]);
        EXPECT_EQ(t.model().groups[r.eAfter.size() + 1], ElementGroup{});
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

TEST(Capacities, NoDialogGoesBeyondTheElementAndGroupLimits)
{
    Editing t;
    t.nodes({{0, 0}, {1, 0}});
    t.groups(kMaxGroups);
    for (int e = 1; e <= kMaxElements; ++e)
        t.model().elements[e] = Element{1, 2, 1};
    t.model().elementCount = kMaxElements;

    t.okBoxes(2);
    ElementForm elements(t.model(), t.ws);
    elements.open();
    elements.fields.nodeI = QStringLiteral("1");
    elements.fields.nodeJ = QStringLiteral("2");
    elements.pressApply();
    GroupForm groups(t.model(), t.ws);
    groups.open();
    groups.fields.e = groups.fields.a = QStringLiteral("1");
    groups.pressApply();

    EXPECT_EQ(t.model().elementCount, kMaxElements);
    EXPECT_EQ(t.model().groupCount, kMaxGroups);
    EXPECT_EQ(t.boxes(),
              (std::vector<QString>{
                  QStringLiteral("The maximum number of elements that can be defined is 200."),
                  QStringLiteral("The maximum number of Groups that can be defined is 50.")}));
}

} // namespace
