#pragma once
// What the model editing dialogs share: the Enter key (moves the focus along
// a field chain, presses a focused button, never a default button), the
// number boxes (editable drop-down boxes listing 1 to n), showing the
// form's fields and focus, and handing the effects of an action to the main
// window.
#include "model/EditForms.h"

#include <QDialog>
#include <QHash>
#include <functional>

class QAbstractButton;
class QComboBox;
class QLineEdit;

class EditingDialog : public QDialog {
    Q_OBJECT
public:
    // What the main window does after an action: redraw, back to the model
    // drawing, hide the diagram quantity buttons.
    using EffectsHandler = std::function<void(const EditEffects &)>;

    explicit EditingDialog(EffectsHandler onEffects, QWidget *parent = nullptr);

    // The model changed under the open dialog (an undo or redo): the shown
    // item's values are read again from the model, the number boxes list
    // its items; an item that has gone gives way to the new-item entry.
    virtual void reload() = 0;
    // The item a number box names as typed, 0 for none.
    static int typedItem(const QString &text);

protected:
    // Enter in `from` moves the focus to `to`.
    void setEnterMove(QWidget *from, QWidget *to);
    // Enter is acted on where it is pressed: a field of the chain moves the
    // focus, a button is pressed. What a field passes on goes no further,
    // even when the field moved the focus to a button meanwhile (a number
    // box that took the Enter as the choice of its entry).
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

    // The shown fields into the form, and the form back onto the window
    // (fields, focus, and the effects carried out).
    virtual void readFields() = 0;
    virtual void showForm() = 0;
    // Every action on the form reads the fields first and shows the form after.
    void act(const std::function<void()> &action);
    // A click on `button` acts with `action`.
    void actOnClick(QAbstractButton *button, std::function<void()> action);
    // Choosing an entry of `box` acts with `action`, given the entry's number (from 1).
    void actOnChoice(QComboBox *box, std::function<void(int)> action);

    void carryOut(const EditEffects &effects);

    // Editable, inserting nothing of what is typed.
    static void makeNumberBox(QComboBox *box);
    // Lists 1 to `entries` and shows `text`: its entry when it is one,
    // otherwise the text as typed (empty: nothing selected).
    static void showNumberBox(QComboBox *box, int entries, const QString &text);
    static void showText(QLineEdit *edit, const QString &text);
    // The focus to `field` (null: it stays), its text selected when asked.
    static void moveFocus(QWidget *field, bool selectAll);
    // After setupUi and the number boxes: Enter is watched on every control
    // and no button is a default button; every field is named by its label.
    void prepare();

private:
    EffectsHandler m_onEffects;
    QHash<QWidget *, QWidget *> m_enterMoves;
};
