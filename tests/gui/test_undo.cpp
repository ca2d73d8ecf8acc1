// Undo and redo: mixed edits restored exactly step by step, the limit, the
// Edit menu's keys, texts and log lines, the history across New, Open and
// Save, and an editing dialog following the model and passing keys on.
#include "MainWindowFixture.h"
#include "drawing/ModelMouse.h"
#include "files/FileCommands.h"
#include "model/ElementEditing.h"
#include "model/GroupEditing.h"
#include "model/LoadEditing.h"
#include "model/MoveMerge.h"
#include "model/NodeEditing.h"
#include "ui/UndoRecorder.h"
#include "ui/dialogs/frmKomboi.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

class UndoTest : public MainWindowTest {
protected:
    QUndoStack &stack() { return window->undoHistory().stack(); }
    QAction *undo() { return window->action(QStringLiteral("mnuUNDOitem")); }
    QAction *redo() { return window->action(QStringLiteral("mnuREDOitem")); }
    // "Undo" and "Redo" alone are disabled.
    void expectTexts(const QString &undoText, const QString &redoText)
    {
        EXPECT_EQ(
            std::tuple(undo()->text(), undo()->isEnabled(), redo()->text(), redo()->isEnabled()),
            std::tuple(undoText, undoText != "Undo", redoText, redoText != "Redo"));
    }
};

TEST_F(UndoTest, MixedEditsUndoneAndRedoneRestoreEachStateExactly)
{
    start();
    Model &m = ws().model;
    truss::apex(m); // nodes (0, 0), (2, 0) fixed, (1, 1); elements 1-3, 2-3
    m.fileName = QStringLiteral("/models/apex.kel");
    ws().settings.nai_grid = false;
    ModelMouse mouse{m, ws().settings, ws().view, ws()};
    const ViewTransform &v = ws().view;
    const auto drag = [&](double x0, double y0) {
        mouse.move(v.ToScreenX(x0), v.ToScreenY(y0), false);
        mouse.press(Qt::LeftButton, v.ToScreenX(x0), v.ToScreenY(y0));
        mouse.move(v.ToScreenX(5), v.ToScreenY(5), false);
        mouse.release(Qt::LeftButton, v.ToScreenX(5), v.ToScreenY(5));
    };
    bool merged = false;
    prompts.answers = {PromptAnswer::Ok}; // node 2's elements go with it
    std::vector<Model> states{m};
    // clang-format off
    for (const auto &edit : std::vector<std::function<void()>>{
             [&] { applyGroup(m, ws(), {"2", "200", "0.25"}); },
             [&] { applyNode(m, ws(), {"4", "6", "0", {}, {}, false, true}); },
             [&] { applyNode(m, ws(), {"2", "4", "0.5", "10", {}}); },
             [&] { applyElement(m, ws(), {"3", "2", "4", "2"}); },
             [&] { applyLoad(m, ws(), {"3", "5", "-10"}); },
             [&] { deleteNode(m, ws(), "2"); },
             [&] { mergeNodes(m, ws(), {"3", "1", true, true}, merged); },
             [&] { drag(5, 5); }, // a node placed at (5, 5)
             [&] { drag(3, 0); }, // an element to it from node 1, now at (3, 0)
         }) {
        // clang-format on
        edit();
        ASSERT_FALSE(m.sameData(states.back())) << states.size();
        states.push_back(m);
    }
    applyNode(m, ws(), {"1", "3", "0", {}, {}, true, true}); // as it is: no step
    const int steps = int(states.size()) - 1;
    ASSERT_EQ(stack().count(), steps);
    for (int i = steps - 1; i >= 0; --i) {
        m.modelChanged = false;
        stack().undo();
        EXPECT_TRUE(m.sameData(states[i]) && m.modelChanged) << "undone to " << i;
    }
    for (int i = 1; i <= steps; ++i) {
        stack().redo();
        EXPECT_TRUE(m.sameData(states[i])) << "redone to " << i;
    }
    EXPECT_EQ(m.fileName, QStringLiteral("/models/apex.kel"));

    for (int x = 1; x <= kUndoLimit + 5; ++x)
        applyNode(m, ws(), {"1", QString::number(x), "0", {}, {}});
    EXPECT_EQ(stack().count(), kUndoLimit);
}

TEST_F(UndoTest, EditMenuNamesTheStepAndLogsOneLine)
{
    start();
    EXPECT_EQ(undo()->shortcuts().value(0), QKeySequence(QStringLiteral("Ctrl+Z")));
    for (const char *keys : {"Ctrl+Shift+Z", "Ctrl+Y"})
        EXPECT_TRUE(redo()->shortcuts().contains(QKeySequence(QString::fromLatin1(keys))));
    expectTexts("Undo", "Redo");
    applyNode(ws().model, ws(), {"1", "1", "2", {}, {}});
    expectTexts("Undo New node #1", "Redo");
    for (const auto &[item, line, undoText, redoText] :
         {std::tuple{"mnuUNDOitem", "Undo: ", "Undo", "Redo New node #1"},
          std::tuple{"mnuREDOitem", "Redo: ", "Undo New node #1", "Redo"}}) {
        ws().drawingMode = ModeDeformed;
        trigger(item);
        EXPECT_EQ(ws().log.entries().back().text,
                  line + QStringLiteral("New node #1, x=1, y=2, Free"));
        EXPECT_EQ(ws().log.entries().back().colour, LogDarkBlue);
        EXPECT_EQ(ws().drawingMode, ModeModel); // a node came or went, as a deletion
        expectTexts(undoText, redoText);
    }
}

// Undoing back to the saved model is no unsaved change.
TEST_F(UndoTest, NewAndOpenClearTheHistorySaveKeepsIt)
{
    start();
    const QString file = writeModel(QStringLiteral("apex.kel"));
    applyGroup(ws().model, ws(), {"1", "5", "1"});
    prompts.answers = {PromptAnswer::No}; // the untitled group is not saved
    window->openModelFile(file);
    expectTexts("Undo", "Redo");
    applyGroup(ws().model, ws(), {"1", "2000", "1"});
    trigger("mnuSAVEitem");
    expectTexts("Undo * Group #1", "Redo");
    trigger("mnuUNDOitem");
    EXPECT_FALSE(Model_Equals_File(ws()));
    trigger("mnuREDOitem");
    EXPECT_TRUE(Model_Equals_File(ws()));
    trigger("mnuNEWitem"); // no question: the model equals its file
    expectTexts("Undo", "Redo");
}

// The dialog shows the model after an undo or redo. Ctrl+Z in a field the
// dialog filled is left to the shortcuts (the model's Undo); a field with
// typing of its own keeps it.
TEST_F(UndoTest, TheNodesDialogFollowsTheModelAndPassesTheKeysOn)
{
    start();
    truss::node(ws().model, 0, 0);
    applyNode(ws().model, ws(), {"2", "2", "3", {}, {}});
    frmKomboi d(
        ws(), [this](const EditEffects &e) { window->carryOutEdit(e); }, window.get());
    d.openOn(2);
    d.show();
    QLineEdit *x = d.findChild<QLineEdit *>("xEdit");
    const auto shown = [&] {
        return d.findChild<QComboBox *>("numberBox")->currentText()
            + d.findChild<QLabel *>("stateLabel")->text() + x->text();
    };
    const auto passesUndoOn = [x] {
        QKeyEvent key(QEvent::ShortcutOverride, Qt::Key_Z, Qt::ControlModifier);
        QApplication::sendEvent(x, &key);
        return !key.isAccepted();
    };
    EXPECT_TRUE(passesUndoOn());
    trigger("mnuUNDOitem");
    EXPECT_EQ(shown(), QStringLiteral("2(New)"));
    trigger("mnuREDOitem");
    EXPECT_EQ(shown(), QStringLiteral("2(Existing)2"));
    QTest::keyClicks(x, "7");
    EXPECT_FALSE(passesUndoOn());
}

} // namespace
