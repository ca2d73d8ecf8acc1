// The model editing dialogs driven as a user would: Enter and the choice of
// an entry move the focus along, a refusal puts it on its field, the lists
// and pictures follow; the accessible names in tab order, and the commands
// that open the dialogs from the main window. What the edits write and
// refuse is the core's, tested there.
#include "AccessibleNames.h"
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
#include <functional>

namespace {

class EditingDialogs : public DialogTest {
protected:
    // Three nodes of a triangle and one group.
    void triangle()
    {
        truss::node(ws.model, 0, 0, 1, 1);
        truss::node(ws.model, 4, 0, 0, 1);
        truss::node(ws.model, 2, 3);
        truss::group(ws.model, 200000, 0.01);
    }
};

TEST_F(EditingDialogs, NodesTypedOneAfterAnotherWithEnter)
{
    open<frmKomboi>();
    const struct {
        const char *x, *y;
        bool fixX;
        const char *line;
    } nodes[] = {{"0", "0", true, "New node #1, x=0, y=0, Constraints: xo"},
                 {"2", "3", false, "New node #2, x=2, y=3, Free"}};
    for (const auto &n : nodes) {
        type(edit("xEdit"), QLatin1String(n.x));
        enter();
        EXPECT_EQ(focused(), "yEdit");
        type(edit("yEdit"), QLatin1String(n.y));
        if (n.fixX)
            toggle("fixedXBox");
        edit("yEdit")->setFocus();
        enter();
        EXPECT_EQ(focused(), "applyButton");
        enter(); // Enter on the focused button applies
        EXPECT_EQ(lastLog().text, QLatin1String(n.line));
        EXPECT_EQ(focused(), "xEdit");
        EXPECT_FALSE(child<QCheckBox>("fixedXBox")->isChecked());
    }
    EXPECT_EQ(box("numberBox")->count(), 3);
    EXPECT_EQ(box("numberBox")->currentText(), "3");
    EXPECT_EQ(effects.size(), 2u);

    // A click on the support picture fixes x and empties its spring.
    type(edit("kxEdit"), QStringLiteral("5"));
    QTest::mouseClick(child<SvgPicture>("supportPicture"), Qt::LeftButton);
    EXPECT_TRUE(child<QCheckBox>("fixedXBox")->isChecked());
    EXPECT_EQ(edit("kxEdit")->text(), "");
    EXPECT_EQ(child<SvgPicture>("supportPicture")->source(), ":/pictures/support_x.svg");
}

// Each refusal puts the focus on the field it names, its text selected.
TEST_F(EditingDialogs, NodeRefusalsPutTheFocusOnTheirField)
{
    truss::node(ws.model, 1, 2);
    open<frmKomboi>();
    prompts.answers = {PromptAnswer::Ok, PromptAnswer::Ok};
    type(edit("xEdit"), QStringLiteral("1"));
    type(edit("yEdit"), QStringLiteral("2"));
    press("applyButton");
    EXPECT_EQ(lastLog().text, "At (1, 2) there is already node #1. ");
    EXPECT_EQ(focused(), "xEdit");

    type(box("numberBox"), QStringLiteral("9"));
    press("deleteButton");
    EXPECT_EQ(lastLog().text, "There is no node to be deleted #9.");
    EXPECT_EQ(focused(), "numberBox");
    EXPECT_TRUE(selectedInFull("numberBox"));
    EXPECT_TRUE(effects.empty());
}

// Enter in the number box chooses the typed entry and presses nothing.
TEST_F(EditingDialogs, EnterInTheNumberBoxChoosesTheNode)
{
    triangle();
    truss::spring(ws.model, 2, 0, 7);
    open<frmKomboi>(1);
    type(box("numberBox"), QStringLiteral("2"));
    enter();
    EXPECT_TRUE(ws.log.entries().isEmpty());
    EXPECT_EQ(edit("kyEdit")->text(), "7");
    EXPECT_EQ(child<SvgPicture>("supportPicture")->source(), ":/pictures/support_y.svg");
    EXPECT_EQ(child<QLabel>("stateLabel")->text(), "(Existing)");
    EXPECT_EQ(focused(), "applyButton");
}

TEST_F(EditingDialogs, ElementsFollowTheFocusChainAndApply)
{
    triangle();
    open<frmStoixeia>();
    choose("groupBox", 1);
    EXPECT_EQ(focused(), "nodeIBox");
    choose("nodeIBox", 1);
    EXPECT_EQ(focused(), "nodeJBox");
    choose("nodeJBox", 2);
    EXPECT_EQ(focused(), "applyButton");
    enter();
    EXPECT_EQ(lastLog().text, "New element #1, Node i: #1, Node j: #2, E,A Group: #1");
    EXPECT_EQ(focused(), "nodeIBox");
    EXPECT_EQ(box("numberBox")->currentText(), "2");

    prompts.answers = {PromptAnswer::Ok};
    type(box("nodeIBox"), QStringLiteral("7"));
    type(box("nodeJBox"), QStringLiteral("1"));
    press("applyButton");
    EXPECT_EQ(lastLog().text, "There is no node #7.");
    EXPECT_EQ(focused(), "nodeIBox");
    EXPECT_TRUE(selectedInFull("nodeIBox"));
    EXPECT_EQ(ws.model.elementCount, 1);
}

// A refused area puts the focus on A, its text selected.
TEST_F(EditingDialogs, GroupsRefuseInPlaceThenApply)
{
    open<frmOmades>();
    type(edit("eEdit"), QStringLiteral("70000"));
    type(edit("aEdit"), QStringLiteral("0"));
    prompts.answers = {PromptAnswer::Ok};
    press("applyButton");
    EXPECT_EQ(focused(), "aEdit");
    EXPECT_TRUE(selectedInFull("aEdit"));
    type(edit("aEdit"), QStringLiteral("0.02"));
    press("applyButton");
    EXPECT_EQ(lastLog().text, "New group #1, E= 70000, A= 0.02");
}

// Apply moves on to the next node; a node picked in the list is shown.
TEST_F(EditingDialogs, LoadsMoveOnAndFillTheList)
{
    triangle();
    ws.model.nodes[2].fy = -5;
    open<frmEPIKOMBIO>(2);
    auto *list = child<QListWidget>("loadedList");
    ASSERT_EQ(list->count(), 1);
    type(edit("fxEdit"), QStringLiteral("10"));
    press("applyButton");
    EXPECT_EQ(box("nodeBox")->currentText(), "3");

    list->setCurrentRow(0);
    EXPECT_EQ(box("nodeBox")->currentText(), "2");
    EXPECT_EQ(edit("fxEdit")->text(), "10");
    press("deleteButton");
    EXPECT_EQ(lastLog().text, "Loads deleted on node #2");
    EXPECT_EQ(list->count(), 0);
}

TEST_F(EditingDialogs, MoveStaysOpenAndMergeRenewsTheNodeBoxes)
{
    triangle();
    truss::element(ws.model, 1, 3);
    open<frmMETAKINISI>();
    EXPECT_EQ(box("lastBox")->currentText(), "3");
    type(box("firstBox"), QStringLiteral("2"));
    type(edit("dxEdit"), QStringLiteral("1.5"));
    press("applyButton");
    EXPECT_EQ(ws.model.nodes[3].x, 3.5f);
    EXPECT_TRUE(dialog->isVisible());

    open<frmSigxonefsi>();
    choose("nodeBBox", 3);
    EXPECT_EQ(focused(), "nodeABox");
    type(box("nodeABox"), QStringLiteral("2"));
    toggle("deleteBBox");
    press("applyButton");
    EXPECT_EQ(lastLog().text, "Node deleted: #3.");
    EXPECT_EQ(box("nodeABox")->count(), 2);
    EXPECT_EQ(box("nodeABox")->currentText(), "1");
}

TEST_F(EditingDialogs, ControlsAreNamedByTheirLabels)
{
    const struct {
        std::function<void()> open;
        const char *title;
        int controls;
    } rows[] = {
        {[this] { open<frmKomboi>(); }, "Nodes", 11},
        {[this] { open<frmStoixeia>(); }, "Elements", 8},
        {[this] { open<frmOmades>(); }, "E,A Element Groups", 7},
        {[this] { open<frmEPIKOMBIO>(); }, "Nodal loads", 6},
        {[this] { open<frmMETAKINISI>(); }, "Move nodes", 6},
        {[this] { open<frmSigxonefsi>(); }, "Merge nodes", 6},
    };
    for (const auto &r : rows) {
        r.open();
        EXPECT_EQ(dialog->windowTitle(), QLatin1String(r.title));
        EXPECT_EQ(expectNamedByLabels(*dialog), r.controls) << r.title;
    }
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
    const std::pair<const char *, const char *> refusals[] = {
        {"mnuSTOIXEIAitem",
         "Before defining an element, at least one E,A Element Group must have been defined."},
        {"mnuEPIKOMBIAitem",
         "Before defining a nodal load, at least one node must have been defined"},
        {"mnuMETAKINISIitem", "No nodes have been defined yet."},
        {"mnuSIGXONEFSIitem", "No nodes have been defined yet."},
        {"mnuCOINCNODESitem", "No nodes have been defined yet."},
    };
    for (const auto &[id, text] : refusals) {
        prompts.answers.push_back(PromptAnswer::Ok);
        closeNextDialog();
        trigger(id);
        QApplication::processEvents();
        EXPECT_EQ(prompts.messages().back().text, QLatin1String(text)) << id;
    }
    EXPECT_TRUE(opened.isEmpty());

    truss::node(ws().model, 0, 0);
    truss::node(ws().model, 1, 0);
    addGroup();
    for (const char *id : {"mnuEAitem", "mnuKOMBOIitem", "mnuSTOIXEIAitem", "mnuEPIKOMBIAitem",
                           "mnuMETAKINISIitem", "mnuSIGXONEFSIitem"}) {
        closeNextDialog();
        trigger(id);
    }
    closeNextDialog();
    w.Button_Komboi(2);
    EXPECT_EQ(opened,
              (QStringList{"E,A Element Groups", "Nodes", "Elements", "Nodal loads", "Move nodes",
                           "Merge nodes", "Nodes"}));

    // Tools › Check asks for the tolerance through the prompts.
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
