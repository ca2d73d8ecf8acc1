#pragma once
// The undo history of the model: every edit step the core announces
// (EditRecorder) becomes one command on a QUndoStack that holds the model as
// it was before the step and as the step left it. A step that changed nothing
// leaves no command. Undoing or redoing puts the held tables and counts back
// (the file name and the analysis flag stay, the model counts as changed) and
// tells the window, which redraws and logs.
#include "common/EditRecorder.h"
#include "model/EditForms.h"
#include "model/Model.h"

#include <QUndoStack>
#include <functional>
#include <optional>

// The steps kept; the oldest go first.
inline constexpr int kUndoLimit = 300;

class UndoRecorder : public EditRecorder {
public:
    // After a restore: the step's label, whether it was undone (or redone),
    // and what the window does, as after the editing dialogs' actions: a
    // redraw; back to the model drawing when a node or element came or went
    // (as a deletion does); the quantity buttons hidden when a group did.
    using RestoredHandler =
        std::function<void(const QString &label, bool undone, const EditEffects &effects)>;

    explicit UndoRecorder(Model &model, RestoredHandler onRestored = {});

    void begin(const QString &label) override;
    void end() override;

    QUndoStack &stack() { return m_stack; }
    // A new or opened model: nothing before it can be undone.
    void clear() { m_stack.clear(); }

    // The model's tables and counts become `state`'s.
    void restore(const Model &state, const QString &label, bool undone);

private:
    Model &m_model;
    RestoredHandler m_onRestored;
    QUndoStack m_stack;
    std::optional<Model> m_before; // from begin to end of the open step
    QString m_label;
};

// "Undo" or "Redo" with the step's name, short enough for a menu: the label
// up to its first comma or full stop ("Undo New node #3").
QString undoActionText(const QString &verb, const QString &label);
