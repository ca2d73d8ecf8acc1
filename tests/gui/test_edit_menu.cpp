// The Edit menu: its place, keys and tool-bar buttons, texts naming the
// step, one log line per undo or redo, the history cleared by New and Open
// but not by Save, and an open editing dialog showing the model again.
#include "MainWindowFixture.h"
#include "files/FileCommands.h"
#include "model/GroupEditing.h"
#include "model/NodeEditing.h"
#include "ui/dialogs/frmKomboi.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QToolBar>

namespace {

class EditMenuTest : public MainWindowTest {
protected:
    QAction *undo() { return window->action(QStringLiteral("mnuUNDOitem")); }
    QAction *redo() { return window->action(QStringLiteral("mnuREDOitem")); }
    void expectActions(const char *undoText, const char *redoText)
    {
        EXPECT_EQ(undo()->text(), QLatin1String(undoText));
        EXPECT_EQ(undo()->isEnabled(), qstrcmp(undoText, "Undo") != 0);
        EXPECT_EQ(redo()->text(), QLatin1String(redoText));
        EXPECT_EQ(redo()->isEnabled(), qstrcmp(redoText, "Redo") != 0);
    }
    void newNode(const char *number, const char *x, const char *y)
    {
        applyNode(ws().model, ws(),
                  NodeInput{QLatin1String(number), QLatin1String(x), QLatin1String(y), {}, {}});
    }
};

TEST_F(EditMenuTest, SitsAfterFileWithItsKeysAndButtons)
{
    frmMain &w = start();
    QStringList menus;
    for (QAction *m : w.menuBar()->actions())
        menus << m->text();
    EXPECT_EQ(menus.mid(0, 3), (QStringList{"&File", "&Edit", "&Model"}));
    EXPECT_TRUE(undo()->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Z"))));
    for (const char *keys : {"Ctrl+Shift+Z", "Ctrl+Y"})
        EXPECT_TRUE(redo()->shortcuts().contains(QKeySequence(QLatin1String(keys)))) << keys;
    QList<QAction *> buttons;
    for (QAction *a : w.toolBar()->actions())
        if (!a->isSeparator())
            buttons << a;
    const qsizetype save = buttons.indexOf(w.toolAction(QStringLiteral("Save")));
    ASSERT_GE(save, 0);
    EXPECT_EQ(buttons.mid(save + 1, 2), (QList<QAction *>{undo(), redo()}));
    EXPECT_EQ(w.toolBar()->widgetForAction(undo())->accessibleName(), QStringLiteral("Undo"));
    EXPECT_EQ(w.toolBar()->widgetForAction(redo())->accessibleName(), QStringLiteral("Redo"));
}

TEST_F(EditMenuTest, UndoAndRedoNameTheStepAndLogOneLine)
{
    start();
    expectActions("Undo", "Redo");
    newNode("1", "1", "2");
    expectActions("Undo New node #1", "Redo");

    for (const auto &[item, line, undoText, redoText] :
         {std::tuple{"mnuUNDOitem", "Undo: New node #1, x=1, y=2, Free", "Undo",
                     "Redo New node #1"},
          std::tuple{"mnuREDOitem", "Redo: New node #1, x=1, y=2, Free", "Undo New node #1",
                     "Redo"}}) {
        SCOPED_TRACE(item);
        ws().model.modelChanged = false;
        ws().drawingMode = ModeDeformed;
        const qsizetype logged = ws().log.entries().size();
        trigger(item);
        ASSERT_EQ(ws().log.entries().size(), logged + 1);
        EXPECT_EQ(ws().log.entries().back().text, QLatin1String(line));
        EXPECT_EQ(ws().log.entries().back().colour, LogDarkBlue);
        EXPECT_FALSE(ws().log.entries().back().bold);
        EXPECT_TRUE(ws().model.modelChanged);
        // A node came or went: back to the model, as after a deletion.
        EXPECT_EQ(ws().drawingMode, ModeModel);
        expectActions(undoText, redoText);
    }
    EXPECT_EQ(ws().model.nodeCount, 1);
}

// Open and New start a new history; Save keeps it, and undoing back to the
// saved model is no unsaved change.
TEST_F(EditMenuTest, NewAndOpenClearTheHistorySaveKeepsIt)
{
    start();
    const QString file = writeModel(QStringLiteral("apex.kel"));
    applyGroup(ws().model, ws(),
               GroupInput{QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("1")});
    prompts.answers = {PromptAnswer::No}; // the untitled group is not saved
    window->openModelFile(file);
    expectActions("Undo", "Redo");

    applyGroup(ws().model, ws(),
               GroupInput{QStringLiteral("1"), QStringLiteral("2000"), QStringLiteral("1")});
    trigger("mnuSAVEitem");
    expectActions("Undo * Group #1", "Redo");
    trigger("mnuUNDOitem");
    EXPECT_FALSE(Model_Equals_File(ws()));
    trigger("mnuREDOitem");
    EXPECT_TRUE(Model_Equals_File(ws()));

    trigger("mnuNEWitem"); // the model equals its file: no question
    expectActions("Undo", "Redo");
}

TEST_F(EditMenuTest, AnOpenDialogShowsTheModelAgain)
{
    start();
    truss::node(ws().model, 0, 0);
    truss::node(ws().model, 4, 0);
    newNode("3", "2", "3");
    frmKomboi dialog(
        ws(), [this](const EditEffects &e) { window->carryOutEdit(e); }, window.get());
    dialog.openOn(3);
    dialog.show();
    const auto shown = [&dialog] {
        return dialog.findChild<QComboBox *>(QStringLiteral("numberBox"))->currentText()
            + QLatin1Char(' ') + dialog.findChild<QLabel *>(QStringLiteral("stateLabel"))->text()
            + QLatin1Char(' ') + dialog.findChild<QLineEdit *>(QStringLiteral("xEdit"))->text();
    };
    EXPECT_EQ(shown(), QStringLiteral("3 (Existing) 2"));
    trigger("mnuUNDOitem");
    EXPECT_EQ(shown(), QStringLiteral("3 (New) "));
    trigger("mnuREDOitem");
    EXPECT_EQ(shown(), QStringLiteral("3 (Existing) 2"));
}

} // namespace
