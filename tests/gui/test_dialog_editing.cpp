// The model editing dialogs driven as a user would: Enter and the choice of
// an entry move the focus along, a refusal puts it on its field, the lists
// and pictures follow; the accessible names, and the commands that open the
// dialogs. What the edits write and refuse is the core's, tested there.
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
    // Presses the button with one refusal box scripted; the focused field
    // must be the refused one, its text selected.
    void expectRefusedOn(const char *button, const char *field, const char *line)
    {
        prompts.answers = {PromptAnswer::Ok};
        press(button);
        EXPECT_EQ(lastLog().text, QLatin1String(line));
        EXPECT_EQ(focused(), field);
        EXPECT_TRUE(selectedInFull(field));
    }
};

TEST_F(EditingDialogs, NodesTypedWithEnterAndTheSupportPicture)
{
    open<frmKomboi>();
    type(edit("xEdit"), QStringLiteral("2"));
    enter();
    EXPECT_EQ(focused(), "yEdit");
    type(edit("yEdit"), QStringLiteral("3"));
    toggle("fixedXBox");
    edit("yEdit")->setFocus();
    enter();
    EXPECT_EQ(focused(), "applyButton");
    enter(); // Enter on the focused button applies
    EXPECT_EQ(lastLog().text, "New node #1, x=2, y=3, Constraints: xo");
    EXPECT_EQ(focused(), "xEdit");
    EXPECT_FALSE(child<QCheckBox>("fixedXBox")->isChecked());
    EXPECT_EQ(box("numberBox")->currentText(), "2");
    EXPECT_EQ(effects.size(), 1u);

    // A click on the support picture fixes x and empties its spring.
    type(edit("kxEdit"), QStringLiteral("5"));
    QTest::mouseClick(child<SvgPicture>("supportPicture"), Qt::LeftButton);
    EXPECT_TRUE(child<QCheckBox>("fixedXBox")->isChecked());
    EXPECT_EQ(edit("kxEdit")->text(), "");
    EXPECT_EQ(child<SvgPicture>("supportPicture")->source(), ":/pictures/support_x.svg");

    type(box("numberBox"), QStringLiteral("9"));
    expectRefusedOn("deleteButton", "numberBox", "There is no node to be deleted #9.");
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
    EXPECT_EQ(edit("kyEdit")->text() + child<QLabel>("stateLabel")->text(), "7(Existing)");
    EXPECT_EQ(child<SvgPicture>("supportPicture")->source(), ":/pictures/support_y.svg");
    EXPECT_EQ(focused(), "applyButton");
}

TEST_F(EditingDialogs, ElementsFollowTheFocusChainAndRefuseInPlace)
{
    triangle();
    open<frmStoixeia>();
    for (const auto &[name, entry, next] : {std::tuple{"groupBox", 1, "nodeIBox"},
                                            {"nodeIBox", 1, "nodeJBox"},
                                            {"nodeJBox", 2, "applyButton"}}) {
        choose(name, entry);
        EXPECT_EQ(focused(), next);
    }
    enter();
    EXPECT_EQ(lastLog().text, "New element #1, Node i: #1, Node j: #2, E,A Group: #1");
    EXPECT_EQ(focused(), "nodeIBox");
    EXPECT_EQ(box("numberBox")->currentText(), "2");
    type(box("nodeIBox"), QStringLiteral("7"));
    expectRefusedOn("applyButton", "nodeIBox", "There is no node #7.");
}

TEST_F(EditingDialogs, GroupsRefuseInPlace)
{
    open<frmOmades>();
    type(edit("eEdit"), QStringLiteral("70000"));
    type(edit("aEdit"), QStringLiteral("0"));
    prompts.answers = {PromptAnswer::Ok};
    press("applyButton");
    EXPECT_EQ(focused(), "aEdit");
    EXPECT_TRUE(selectedInFull("aEdit"));
}

// Apply moves on to the next node; a node picked in the list is shown.
TEST_F(EditingDialogs, LoadsMoveOnAndFillTheList)
{
    triangle();
    ws.model.nodes[2].fy = -5;
    open<frmEPIKOMBIO>(2);
    auto *list = child<QListWidget>("loadedList");
    type(edit("fxEdit"), QStringLiteral("10"));
    press("applyButton");
    EXPECT_EQ(box("nodeBox")->currentText(), "3");
    list->setCurrentRow(0);
    EXPECT_EQ(box("nodeBox")->currentText() + edit("fxEdit")->text(), "210");
    press("deleteButton");
    EXPECT_EQ(list->count(), 0);
}

TEST_F(EditingDialogs, MoveStaysOpenAndMergeRenewsTheNodeBoxes)
{
    triangle();
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

// A command opens its dialog modally, or says why not; a timer closes the
// dialog, so no test waits on it. One command stands for the menu's dispatch.
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
    prompts.answers = {PromptAnswer::Ok};
    closeNextDialog();
    trigger("mnuEPIKOMBIAitem");
    QApplication::processEvents();
    EXPECT_EQ(prompts.messages().at(0).text,
              "Before defining a nodal load, at least one node must have been defined");
    EXPECT_TRUE(opened.isEmpty());

    truss::node(ws().model, 0, 0);
    truss::node(ws().model, 1, 0);
    closeNextDialog();
    trigger("mnuEPIKOMBIAitem");
    closeNextDialog();
    w.Button_Komboi(2); // from the mouse's item menu
    EXPECT_EQ(opened, (QStringList{"Nodal loads", "Nodes"}));
    // Tools › Check asks for the tolerance through the prompts.
    prompts.inputs = {QStringLiteral("0.5")};
    prompts.answers = {PromptAnswer::Ok, PromptAnswer::Ok}; // the tolerance, the finding
    trigger("mnuCOINCNODESitem");
    EXPECT_EQ(prompts.messages().at(1).text, "Tolerance = 0.001 (Maximum value).");
}

} // namespace
