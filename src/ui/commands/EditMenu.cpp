// The Edit menu: undo and redo of the model's edit steps, with the captions
// of their menu items and tool-bar buttons naming the step.
#include "ui/frmMain.h"

#include "ui/UndoRecorder.h"
#include "ui/dialogs/EditingDialog.h"

#include <QAction>
#include <tuple>

void frmMain::buildUndoHistory()
{
    m_undo = std::make_unique<UndoRecorder>(
        m_ws.model, [this](const QString &label, bool undone, const EditEffects &effects) {
            editRestored(label, undone, effects);
        });
    m_ws.setEditRecorder(m_undo.get());
    QUndoStack &stack = m_undo->stack();
    connect(&stack, &QUndoStack::indexChanged, this, &frmMain::syncEditActions);
    connect(&stack, &QUndoStack::undoTextChanged, this, &frmMain::syncEditActions);
    connect(&stack, &QUndoStack::redoTextChanged, this, &frmMain::syncEditActions);
    syncEditActions();
}

void frmMain::syncEditActions()
{
    const QUndoStack &stack = m_undo->stack();
    for (const auto &[id, verb, can, label] :
         {std::tuple{"mnuUNDOitem", "Undo", stack.canUndo(), stack.undoText()},
          std::tuple{"mnuREDOitem", "Redo", stack.canRedo(), stack.redoText()}}) {
        QAction *a = action(QString::fromLatin1(id));
        const QString verbText = QString::fromLatin1(verb);
        a->setEnabled(can);
        a->setText(can ? undoActionText(verbText, label) : verbText);
        a->setToolTip(can ? verbText + QStringLiteral(": ") + label : verbText);
    }
}

void frmMain::undoEdit()
{
    if (m_undo->stack().canUndo())
        m_undo->stack().undo();
}

void frmMain::redoEdit()
{
    if (m_undo->stack().canRedo())
        m_undo->stack().redo();
}

// What an edit does after it: the animation stops, one log line, the
// effects an editing dialog's action would ask for. An open editing dialog
// shows the model again.
void frmMain::editRestored(const QString &label, bool undone, const EditEffects &effects)
{
    stopDeformationAnimation();
    m_ws.log.append((undone ? QStringLiteral("Undo: ") : QStringLiteral("Redo: ")) + label,
                    LogDarkBlue);
    carryOutEdit(effects);
    for (EditingDialog *dialog : findChildren<EditingDialog *>())
        if (dialog->isVisible())
            dialog->reload();
}
