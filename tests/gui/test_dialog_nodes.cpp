// The nodes dialog driven as a user would: fields, keys, buttons, the
// support picture, the refusals with their focus, and the accessible names.
#include "DialogFixture.h"
#include "ui/dialogs/SvgPicture.h"
#include "ui/dialogs/frmKomboi.h"

#include <QCheckBox>
#include <QLabel>

namespace {

class NodesDialog : public DialogTest {};

TEST_F(NodesDialog, ThreeNodesTypedOneAfterAnother)
{
    open<frmKomboi>();
    EXPECT_EQ(box("numberBox")->currentText(), "1");
    EXPECT_EQ(child<QLabel>("stateLabel")->text(), "(New)");

    const struct {
        const char *x, *y;
        bool fixX, fixY;
        const char *line;
    } nodes[] = {{"0", "0", true, true, "New node #1, x=0, y=0, Constraints: xx"},
                 {"4", "0", false, true, "New node #2, x=4, y=0, Constraints: ox"},
                 {"2", "3", false, false, "New node #3, x=2, y=3, Free"}};
    for (const auto &n : nodes) {
        type(edit("xEdit"), QLatin1String(n.x));
        enter();
        EXPECT_EQ(focused(), "yEdit");
        type(edit("yEdit"), QLatin1String(n.y));
        if (n.fixX)
            toggle("fixedXBox");
        if (n.fixY)
            toggle("fixedYBox");
        edit("yEdit")->setFocus();
        enter();
        EXPECT_EQ(focused(), "applyButton");
        enter(); // Enter on the focused button applies

        EXPECT_EQ(lastLog().text, QLatin1String(n.line));
        EXPECT_EQ(lastLog().colour, LogDarkBlue);
        EXPECT_EQ(focused(), "xEdit");
        EXPECT_EQ(edit("xEdit")->text(), "");
        EXPECT_FALSE(child<QCheckBox>("fixedXBox")->isChecked());
    }
    EXPECT_EQ(ws.model.nodeCount, 3);
    EXPECT_EQ(box("numberBox")->count(), 4);
    EXPECT_EQ(box("numberBox")->currentText(), "4");
    EXPECT_EQ(effects.size(), 3u);
    EXPECT_TRUE(effects.back().redraw);
}

TEST_F(NodesDialog, RefusalsPutTheFocusOnTheirField)
{
    ws.model.nodes[1] = Node{1, 2, 0, 0, 0, 0};
    ws.model.nodeCount = 1;
    open<frmKomboi>();

    prompts.answers = {PromptAnswer::Ok, PromptAnswer::Ok, PromptAnswer::Ok};
    type(edit("xEdit"), QStringLiteral("1"));
    type(edit("yEdit"), QStringLiteral("2"));
    press("applyButton");
    EXPECT_EQ(lastLog().text, "At (1, 2) there is already node #1. ");
    EXPECT_EQ(lastLog().colour, LogRed);
    EXPECT_EQ(focused(), "xEdit");

    type(edit("yEdit"), QStringLiteral("3"));
    type(edit("kyEdit"), QStringLiteral("-5"));
    press("applyButton");
    EXPECT_EQ(lastLog().text, "The elastic constants cannot have negative values.");
    EXPECT_EQ(focused(), "kyEdit");
    EXPECT_TRUE(selectedInFull("kyEdit"));

    type(edit("kyEdit"), QString());
    type(box("numberBox"), QStringLiteral("9"));
    press("deleteButton");
    EXPECT_EQ(lastLog().text, "There is no node to be deleted #9.");
    EXPECT_EQ(focused(), "numberBox");
    EXPECT_TRUE(selectedInFull("numberBox"));

    EXPECT_EQ(ws.model.nodeCount, 1);
    EXPECT_TRUE(effects.empty());
    for (const ShownPrompt &p : prompts.shown) {
        EXPECT_EQ(p.title, "Corvane Kel.2D");
        EXPECT_EQ(p.icon, PromptIcon::Exclamation);
    }
}

TEST_F(NodesDialog, ChoosingAndDeletingANodeWithItsElements)
{
    ws.model.nodes[1] = Node{0, 0, 1, 0, 0, 0};
    ws.model.nodes[2] = Node{3, 0, 0, 1, 0, 0};
    ws.model.springs[2] = Spring{0, 7};
    ws.model.nodeCount = 2;
    ws.model.elements[1] = Element{1, 2, 1};
    ws.model.elementCount = 1;
    open<frmKomboi>(1);
    EXPECT_EQ(box("numberBox")->currentText(), "1");
    EXPECT_EQ(child<QLabel>("stateLabel")->text(), "(Existing)");

    // Enter in the number box chooses the typed entry and applies nothing.
    type(box("numberBox"), QStringLiteral("2"));
    enter();
    EXPECT_TRUE(ws.log.entries().isEmpty());
    EXPECT_EQ(edit("xEdit")->text(), "3");
    EXPECT_EQ(edit("kyEdit")->text(), "7");
    EXPECT_TRUE(child<QCheckBox>("fixedYBox")->isChecked());
    EXPECT_EQ(child<SvgPicture>("supportPicture")->source(), ":/pictures/support_y.svg");
    EXPECT_EQ(focused(), "applyButton");

    prompts.answers = {PromptAnswer::Ok};
    press("deleteButton");
    EXPECT_EQ(ws.model.nodeCount, 1);
    EXPECT_EQ(ws.model.elementCount, 0);
    EXPECT_EQ(lastLog().text, "Node deleted: #2.");
    EXPECT_EQ(lastLog().colour, LogGreen);
    // The entry of the deleted node is now the new-node entry.
    EXPECT_EQ(box("numberBox")->count(), 2);
    EXPECT_EQ(box("numberBox")->currentText(), "2");
    EXPECT_EQ(child<QLabel>("stateLabel")->text(), "(New)");
    EXPECT_EQ(focused(), "xEdit");
    ASSERT_EQ(effects.size(), 1u);
    EXPECT_EQ(effects[0], (EditEffects{true, true, false}));
}

TEST_F(NodesDialog, PictureAndSpringsFollowTheConstraints)
{
    open<frmKomboi>();
    type(edit("kxEdit"), QStringLiteral("5"));
    auto *picture = child<SvgPicture>("supportPicture");
    QTest::mouseClick(picture, Qt::LeftButton);
    EXPECT_TRUE(child<QCheckBox>("fixedXBox")->isChecked());
    EXPECT_EQ(edit("kxEdit")->text(), "");
    EXPECT_EQ(picture->source(), ":/pictures/support_x.svg");

    type(edit("kxEdit"), QStringLiteral("2"));
    EXPECT_FALSE(child<QCheckBox>("fixedXBox")->isChecked());
    EXPECT_EQ(picture->source(), ":/pictures/support_free.svg");
}

TEST_F(NodesDialog, ControlsAreNamedByTheirLabelsInTheirOrder)
{
    open<frmKomboi>();
    EXPECT_EQ(dialog->windowTitle(), "Nodes");
    EXPECT_EQ(tabOrderNames(box("numberBox")),
              (std::vector<QString>{"Node #", "x =", "y =", "x - Displacement", "y - Displacement",
                                    "Kx =", "Ky =", "New", "Delete", "Apply", "Cancel"}));
}

} // namespace
