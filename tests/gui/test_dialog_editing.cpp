// The dialogs driven as a user would: the model editing dialogs with one
// edit each reaching the model, Enter moving the focus along, a refusal
// putting it on its field, and a command opening one; the View options
// dialog's background reaching the drawing, and the colour chooser; their
// accessible names. What the edits and options mean is the core's.
#include "AccessibleNames.h"
#include "DialogFixture.h"
#include "MainWindowFixture.h"
#include "ui/dialogs/frmEPIKOMBIO.h"
#include "ui/dialogs/frmKomboi.h"
#include "ui/dialogs/frmMETAKINISI.h"
#include "ui/dialogs/frmOmades.h"
#include "ui/dialogs/frmSXEDIASI.h"
#include "ui/dialogs/frmSigxonefsi.h"
#include "ui/dialogs/frmStoixeia.h"
#include "ui/dialogs/frmXROMATA.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace {

class EditingDialogs : public DialogTest {
protected:
    // The dialog's title, and every control named by its label.
    void expectTitledAndNamed(const char *title, int controls)
    {
        EXPECT_EQ(dialog->windowTitle(), QLatin1String(title));
        EXPECT_EQ(expectNamedByLabels(*dialog), controls) << title;
    }
};

TEST_F(EditingDialogs, NodesTypedWithEnter)
{
    open<frmKomboi>();
    expectTitledAndNamed("Nodes", 11);
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
    EXPECT_EQ(box("numberBox")->currentText(), "2");
    EXPECT_EQ(effects.size(), 1u);
}

// On three nodes of a triangle and one group: the element dialog follows its
// focus chain and refuses in place; the other dialogs, one edit each.
TEST_F(EditingDialogs, ElementsGroupsLoadsMoveAndMergeReachTheModel)
{
    truss::node(ws.model, 0, 0, 1, 1);
    truss::node(ws.model, 4, 0, 0, 1);
    truss::node(ws.model, 2, 3);
    truss::group(ws.model, 200000, 0.01);
    open<frmStoixeia>();
    expectTitledAndNamed("Elements", 8);
    for (const auto &[name, entry, next] : {std::tuple{"groupBox", 1, "nodeIBox"},
                                            {"nodeIBox", 1, "nodeJBox"},
                                            {"nodeJBox", 2, "applyButton"}}) {
        choose(name, entry);
        EXPECT_EQ(focused(), next);
    }
    enter();
    EXPECT_EQ(lastLog().text, "New element #1, Node i: #1, Node j: #2, E,A Group: #1");
    type(box("nodeIBox"), QStringLiteral("7"));
    prompts.answers = {PromptAnswer::Ok};
    press("applyButton");
    EXPECT_EQ(lastLog().text, "There is no node #7.");
    EXPECT_EQ(focused(), "nodeIBox");
    EXPECT_EQ(box("nodeIBox")->lineEdit()->selectedText(), "7");

    open<frmOmades>();
    expectTitledAndNamed("E,A Element Groups", 7);
    type(edit("eEdit"), QStringLiteral("70000"));
    type(edit("aEdit"), QStringLiteral("0.5"));
    press("applyButton");
    EXPECT_EQ(ws.model.groupCount, 2);

    open<frmEPIKOMBIO>(2);
    expectTitledAndNamed("Nodal loads", 6);
    type(edit("fxEdit"), QStringLiteral("10"));
    press("applyButton");
    EXPECT_EQ(ws.model.nodes[2].fx, 10.0f);

    open<frmMETAKINISI>();
    expectTitledAndNamed("Move nodes", 6);
    type(box("firstBox"), QStringLiteral("2"));
    type(edit("dxEdit"), QStringLiteral("1.5"));
    press("applyButton");
    EXPECT_EQ(ws.model.nodes[3].x, 3.5f);
    EXPECT_TRUE(dialog->isVisible());

    open<frmSigxonefsi>();
    expectTitledAndNamed("Merge nodes", 6);
    choose("nodeBBox", 3);
    type(box("nodeABox"), QStringLiteral("2"));
    toggle("deleteBBox");
    press("applyButton");
    EXPECT_EQ(lastLog().text, "Node deleted: #3.");
    EXPECT_EQ(box("nodeABox")->count(), 2);
}

// A command opens its dialog modally, or says why not; a timer closes the
// dialog, so no test waits on it. One command stands for the menu's dispatch.
TEST_F(MainWindowTest, ModelCommandOpensItsDialogOrSaysWhyNot)
{
    start();
    QStringList opened;
    const auto closeNextDialog = [&] {
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
    truss::node(ws().model, 0, 0);
    closeNextDialog();
    trigger("mnuEPIKOMBIAitem");
    EXPECT_EQ(opened, QStringList{"Nodal loads"});
}

// The share of the drawing area's pixels in a colour.
double shareOf(QWidget *area, const QColor &colour)
{
    const QImage shown = area->grab().toImage();
    qint64 count = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            count += shown.pixelColor(x, y) == colour;
    return double(count) / (double(shown.width()) * shown.height());
}

// The colour chosen for the background reaches the drawing on Apply, the
// dialog staying open; its controls are named by their labels.
TEST_F(MainWindowTest, ViewOptionsBackgroundReachesTheDrawingOnApply)
{
    start();
    prompts.colours.push_back(0x0000FFu); // red
    const QColor red(255, 0, 0);
    bool ran = false;
    QTimer::singleShot(0, window.get(), [&] {
        auto *d = qobject_cast<frmSXEDIASI *>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        ran = true;
        // 16 check boxes, 5 option buttons, 11 swatches, the direction
        // button, 5 buttons and 8 fields.
        EXPECT_EQ(expectNamedByLabels(*d), 46);
        EXPECT_LT(shareOf(area(), red), 0.01);
        d->findChild<QAbstractButton *>(QStringLiteral("xroma_background"))->click();
        EXPECT_EQ(ws().settings.xroma_background, -2147483634.0); // not yet applied
        d->findChild<QAbstractButton *>(QStringLiteral("applyButton"))->click();
        EXPECT_TRUE(d->isVisible());
        d->reject();
    });
    trigger("mnuRITHMISEISitem");
    EXPECT_TRUE(ran);
    EXPECT_EQ(ws().settings.xroma_background, 255.0);
    EXPECT_GT(shareOf(area(), red), 0.9);
    EXPECT_EQ(prompts.shown.at(0).startColour, 0x8000000Eu);
}

TEST(ColourChooser, BoxChoosesTheColourAndCancelRejects)
{
    frmXROMATA chooser(0x8000000Eu);
    chooser.show();
    EXPECT_EQ(expectNamedByLabels(chooser), frmXROMATA::kClassicCount + 3);
    EXPECT_EQ(chooser.selection(), 0x8000000Eu);
    chooser.findChild<QToolButton *>(QStringLiteral("classic14"))->click();
    EXPECT_EQ(chooser.selection(), frmXROMATA::classicColour(14));
    chooser.findChild<QPushButton *>(QStringLiteral("cancelButton"))->click();
    EXPECT_EQ(chooser.result(), QDialog::Rejected);
}

} // namespace
