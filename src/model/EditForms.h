#pragma once
// What the editing dialogs share: the verdict of a validation (which field
// holds the refused value), the effects an action asks of the main window,
// and the one way a refused input is told.
#include "common/Interaction.h"

#include <QString>

// A validation's outcome: passed, or refused with the field that gets the
// focus (None: the focus stays) and whether its text is selected in full.
template <typename Field>
struct Verdict {
    bool ok = true;
    Field field = Field::None;
    bool selectAll = false;

    static Verdict pass() { return {}; }
};

// A refused input: message box with the exclamation icon and the program
// title, the same text in red in the log.
template <typename Field>
Verdict<Field> refuse(Interaction &user, const QString &text, Field field, bool selectAll = false)
{
    user.reportWarning(text);
    return {false, field, selectAll};
}

// What the main window does after a dialog's action.
struct EditEffects {
    bool redraw = false;
    bool modelDrawing = false;        // drawing mode 0, the quantity buttons hidden
    bool hideQuantityButtons = false; // the diagram quantity buttons only

    bool operator==(const EditEffects &) const = default;
};

// "(New)" or "(Existing)": the state label of a dialog's number box.
inline QString stateLabel(bool isNew)
{
    return isNew ? QStringLiteral("(New)") : QStringLiteral("(Existing)");
}

// The text a dialog's number box shows for entry n.
inline QString entryText(int n) { return QString::number(n); }
