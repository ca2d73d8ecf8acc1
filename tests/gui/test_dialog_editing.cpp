// The elements, E,A groups, nodal loads, move and merge dialogs driven as a
// user would, their accessible names and tab order, and the commands that
// open them from the main window.
#include "DialogFixture.h"
#include "MainWindowFixture.h"
#include "ui/dialogs/SvgPicture.h"
#include "ui/dialogs/frmEPIKOMBIO.h"
#include "ui/dialogs/frmKomboi.h"
#include "ui/dialogs/frmMETAKINISI.h"
#include "ui/dialogs/frmOmades.h"
#include "ui/dialogs/frmSigxonefsi.h"
#include "ui/dialogs/frmStoixeia.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QTimer>

namespace {

class EditingDialogs : public DialogTest {
protected:
    // Three nodes of a triangle and one group.
    void triangle()
    {
        ws.model.nodes[1] = Node{0, 0, 1, 1, 0, 0};
        ws.model.nodes[2] = Node{4, 0, 0, 1, 0, 0};
        ws.model.nodes[3] = Node{2, 3, 0, 0, 0, 0};
        ws.model.nodeCount = 3;
        ws.model.groups[1] = ElementGroup{200000, 0.01};
        ws.model.groupCount = 1;
    }
};

TEST_F(EditingDialogs, ElementsFollowTheFocusChainAndApply)
{
    triangle();
    open<frmStoixeia>();
    EXPECT_EQ(box("numberBox")->currentText(), "1");
    EXPECT_EQ(box("groupBox")->currentText(), "1");
    EXPECT_EQ(box("nodeIBox")->currentIndex(), -1); // nothing chosen yet

    choose("groupBox", 1);
    EXPECT_EQ(focused(), "nodeIBox");
    choose("nodeIBox", 1);
    EXPECT_EQ(focused(), "nodeJBox");
    choose("nodeJBox", 2);
    EXPECT_EQ(focused(), "applyButton");
    enter();
    EXPECT_EQ(lastLog().text, "New element #1, Node i: #1, Node j: #2, E,A Group: #1");
    EXPECT_EQ(lastLog().colour, LogDarkBlue);
    EXPECT_EQ(focused(), "nodeIBox");
    EXPECT_EQ(box("numberBox")->currentText(), "2");

    // Typed numbers naming no node, and equal nodes, are refused in place.
    prompts.answers = {PromptAnswer::Ok, PromptAnswer::Ok};
    type(box("nodeIBox"), QStringLiteral("7"));
    type(box("nodeJBox"), QStringLiteral("1"));
    press("applyButton");
    EXPECT_EQ(lastLog().text, "There is no node #7.");
    EXPECT_EQ(lastLog().colour, LogRed);
    EXPECT_EQ(focused(), "nodeIBox");
    EXPECT_TRUE(selectedInFull("nodeIBox"));
    type(box("nodeIBox"), QStringLiteral("1"));
    press("applyButton");
    EXPECT_EQ(lastLog().text, "Given nodes i and j coincide.");
    EXPECT_EQ(ws.model.elementCount, 1);

    choose("numberBox", 1);
    EXPECT_EQ(box("nodeJBox")->currentText(), "2");
    EXPECT_EQ(child<QLabel>("stateLabel")->text(), "(Existing)");
    press("deleteButton");
    EXPECT_EQ(lastLog().text, "Element deleted: #1.");
    EXPECT_EQ(ws.model.elementCount, 0);
    EXPECT_EQ(effects.back(), (EditEffects{true, true, false}));
}

TEST_F(EditingDialogs, GroupsApplyWithEnterAndRefuseADeletionInUse)
{
    triangle();
    ws.model.elements[1] = Element{1, 2, 1};
    ws.model.elementCount = 1;
    open<frmOmades>();
    EXPECT_EQ(box("numberBox")->currentText(), "2");
    EXPECT_EQ(child<QLabel>("stateLabel")->text(), "(New)");

    type(edit("eEdit"), QStringLiteral("70000"));
    enter();
    EXPECT_EQ(focused(), "aEdit");
    type(edit("aEdit"), QStringLiteral("0"));
    enter();
    EXPECT_EQ(focused(), "applyButton");
    EXPECT_EQ(ws.model.groupCount, 1); // Enter in A only moved the focus

    prompts.answers = {PromptAnswer::Ok, PromptAnswer::Ok};
    enter();
    EXPECT_EQ(lastLog().text, "The value given for Section area A is unacceptable.");
    EXPECT_EQ(focused(), "aEdit");
    EXPECT_TRUE(selectedInFull("aEdit"));
    type(edit("aEdit"), QStringLiteral("0.02"));
    press("applyButton");
    EXPECT_EQ(lastLog().text, "New group #2, E= 70000, A= 0.02");

    choose("numberBox", 1);
    EXPECT_EQ(edit("eEdit")->text(), "200000");
    press("deleteButton");
    EXPECT_EQ(lastLog().text,
              "Group #1 cannot be deleted since there are elements belonging to it.");
    EXPECT_EQ(ws.model.groupCount, 2);
}

TEST_F(EditingDialogs, LoadsMoveOnAndFillTheList)
{
    triangle();
    ws.model.nodes[2].fy = -5;
    open<frmEPIKOMBIO>(2);
    auto *list = child<QListWidget>("loadedList");
    EXPECT_EQ(box("nodeBox")->currentText(), "2");
    EXPECT_EQ(edit("fyEdit")->text(), "-5");
    ASSERT_EQ(list->count(), 1);

    type(edit("fxEdit"), QStringLiteral("10"));
    enter();
    EXPECT_EQ(focused(), "fyEdit");
    enter();
    EXPECT_EQ(focused(), "applyButton");
    enter();
    EXPECT_EQ(lastLog().text, "* Loads on node #2, Fx= 10, Fy= -5");
    EXPECT_EQ(box("nodeBox")->currentText(), "3"); // on to the next node

    list->setCurrentRow(0); // the user picks node 2 in the list
    EXPECT_EQ(box("nodeBox")->currentText(), "2");
    EXPECT_EQ(edit("fxEdit")->text(), "10");
    press("deleteButton");
    EXPECT_EQ(lastLog().text, "Loads deleted on node #2");
    EXPECT_EQ(lastLog().colour, LogGreen);
    EXPECT_EQ(list->count(), 0);
    EXPECT_EQ(child<SvgPicture>("fxPicture")->source(), ":/pictures/load_fx.svg");
}

TEST_F(EditingDialogs, MoveAndMergeWorkOnTheNodeBoxes)
{
    triangle();
    ws.model.elements[1] = Element{1, 3, 1};
    ws.model.elementCount = 1;
    open<frmMETAKINISI>();
    EXPECT_EQ(box("firstBox")->currentText(), "1");
    EXPECT_EQ(box("lastBox")->currentText(), "3");
    type(box("firstBox"), QStringLiteral("2"));
    type(edit("dxEdit"), QStringLiteral("1.5"));
    press("applyButton");
    EXPECT_EQ(lastLog().text, "Moved nodes: #2 to #3, dx=1.5, dy=0");
    EXPECT_EQ(ws.model.nodes[3].x, 3.5f);
    EXPECT_TRUE(dialog->isVisible()); // it stays open

    open<frmSigxonefsi>();
    choose("nodeBBox", 3);
    EXPECT_EQ(focused(), "nodeABox");
    type(box("nodeABox"), QStringLiteral("2"));
    toggle("deleteBBox");
    press("applyButton");
    EXPECT_EQ(ws.model.nodeCount, 2);
    EXPECT_EQ(ws.model.elements[1], (Element{1, 2, 1}));
    EXPECT_EQ(lastLog().text, "Node deleted: #3.");
    EXPECT_EQ(box("nodeABox")->count(), 2);
    EXPECT_EQ(box("nodeABox")->currentText(), "1");
}

TEST_F(EditingDialogs, ControlsAreNamedByTheirLabelsInTheirOrder)
{
    triangle();
    const std::vector<QString> buttons4{"New", "Delete", "Apply", "Cancel"};
    auto with = [](std::vector<QString> fields, const std::vector<QString> &buttons) {
        fields.insert(fields.end(), buttons.begin(), buttons.end());
        return fields;
    };
    open<frmStoixeia>();
    EXPECT_EQ(dialog->windowTitle(), "Elements");
    EXPECT_EQ(tabOrderNames(box("numberBox")),
              with({"Element #", "i #", "j #", "Belongs to E,A Group: #"}, buttons4));
    open<frmOmades>();
    EXPECT_EQ(dialog->windowTitle(), "E,A Element Groups");
    EXPECT_EQ(tabOrderNames(box("numberBox")), with({"Group #", "E =", "A ="}, buttons4));
    open<frmEPIKOMBIO>();
    EXPECT_EQ(dialog->windowTitle(), "Nodal loads");
    EXPECT_EQ(
        tabOrderNames(box("nodeBox")),
        with({"On node #", "Fx =", "Fy =", "Nodes with loads on:"}, {"Delete", "Apply", "Cancel"}));
    open<frmMETAKINISI>();
    EXPECT_EQ(dialog->windowTitle(), "Move nodes");
    EXPECT_EQ(tabOrderNames(box("firstBox")),
              with({"from #", "to #", "dx =", "dy ="}, {"Apply", "Cancel"}));
    open<frmSigxonefsi>();
    EXPECT_EQ(dialog->windowTitle(), "Merge nodes");
    EXPECT_EQ(tabOrderNames(box("nodeBBox")),
              with({"B #", "A #", "Delete node B", "Move node A to the middle of segment AB"},
                   {"Apply", "Cancel"}));
}

// The commands open their dialogs modally; a timer closes each one, so no
// test waits on it.
TEST_F(MainWindowTest, ModelCommandsOpenTheirDialogsOrSayWhyNot)
{
    frmMain &w = start();
    QStringList opened;
    auto closeNextDialog = [&] {
        QTimer::singleShot(0, [&] {
            if (QWidget *d = QApplication::activeModalWidget()) {
                opened << d->windowTitle();
                d->close();
            }
        });
    };
    prompts.answers = {PromptAnswer::Ok, PromptAnswer::Ok, PromptAnswer::Ok, PromptAnswer::Ok};
    for (const char *id :
         {"mnuSTOIXEIAitem", "mnuEPIKOMBIAitem", "mnuMETAKINISIitem", "mnuSIGXONEFSIitem"}) {
        closeNextDialog();
        trigger(id);
        QApplication::processEvents();
    }
    EXPECT_TRUE(opened.isEmpty());
    const auto boxes = prompts.messages();
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0].text,
              "Before defining an element, at least one E,A Element Group must have been defined.");
    EXPECT_EQ(boxes[1].text,
              "Before defining a nodal load, at least one node must have been defined");
    EXPECT_EQ(boxes[2].text, "No nodes have been defined yet.");

    ws().model.nodes[2] = Node{1, 0, 0, 0, 0, 0};
    ws().model.nodeCount = 2;
    addGroup();
    for (const char *id : {"mnuEAitem", "mnuKOMBOIitem", "mnuSTOIXEIAitem", "mnuEPIKOMBIAitem",
                           "mnuMETAKINISIitem", "mnuSIGXONEFSIitem"}) {
        closeNextDialog();
        trigger(id);
    }
    EXPECT_EQ(opened,
              (QStringList{"E,A Element Groups", "Nodes", "Elements", "Nodal loads", "Move nodes",
                           "Merge nodes"}));
    closeNextDialog();
    w.Button_Komboi(2);
    EXPECT_EQ(opened.size(), 7);

    // Tools › Check asks through the prompts.
    prompts.shown.clear();
    prompts.inputs = {QStringLiteral("0.5")};
    prompts.answers = {PromptAnswer::Ok, PromptAnswer::Ok, PromptAnswer::Ok};
    trigger("mnuCOINCNODESitem");
    trigger("mnuCOINCELEMENTSitem");
    const auto checks = prompts.messages();
    ASSERT_EQ(checks.size(), 3u);
    EXPECT_EQ(checks[0].text, "Tolerance = 0.001 (Maximum value).");
    EXPECT_EQ(checks[2].text, "No elements have been defined yet.");
}

} // namespace
