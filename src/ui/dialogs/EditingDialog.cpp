#include "ui/dialogs/EditingDialog.h"

#include "model/TypedNumbers.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

EditingDialog::EditingDialog(EffectsHandler onEffects, QWidget *parent)
    : QDialog(parent), m_onEffects(std::move(onEffects))
{
}

void EditingDialog::setEnterMove(QWidget *from, QWidget *to) { m_enterMoves.insert(from, to); }

namespace {

bool isEnter(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Undo and redo keys in a text field work its own typing; with nothing of
// its own to undo or redo (a field the dialog has just filled) the key goes
// on to the model's Undo or Redo.
bool fieldKeepsKey(QObject *watched, const QKeyEvent *key)
{
    QLineEdit *edit = qobject_cast<QLineEdit *>(watched);
    if (auto *box = qobject_cast<QComboBox *>(watched))
        edit = box->lineEdit();
    if (!edit)
        return true;
    if (key->matches(QKeySequence::Undo))
        return edit->isUndoAvailable();
    if (key->matches(QKeySequence::Redo)
        || QKeySequence(key->keyCombination()) == QKeySequence(Qt::CTRL | Qt::Key_Y))
        return edit->isRedoAvailable();
    return true;
}

} // namespace

bool EditingDialog::eventFilter(QObject *watched, QEvent *event)
{
    // Left unaccepted, the key reaches the shortcuts.
    if (event->type() == QEvent::ShortcutOverride
        && !fieldKeepsKey(watched, static_cast<QKeyEvent *>(event)))
        return true;
    if (isEnter(event)) {
        for (auto *w = qobject_cast<QWidget *>(watched); w && w != this; w = w->parentWidget()) {
            if (QWidget *next = m_enterMoves.value(w)) {
                next->setFocus(Qt::TabFocusReason);
                return true;
            }
        }
        if (auto *button = qobject_cast<QPushButton *>(watched)) {
            button->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void EditingDialog::keyPressEvent(QKeyEvent *event)
{
    // No default button: an Enter passed on by a field ends here.
    if (isEnter(event)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void EditingDialog::act(const std::function<void()> &action)
{
    readFields();
    action();
    showForm();
}

void EditingDialog::actOnClick(QAbstractButton *button, std::function<void()> action)
{
    connect(button, &QAbstractButton::clicked, this,
            [this, action = std::move(action)] { act(action); });
}

void EditingDialog::actOnChoice(QComboBox *box, std::function<void(int)> action)
{
    connect(box, &QComboBox::activated, this,
            [this, action = std::move(action)](int index) { act([&] { action(index + 1); }); });
}

void EditingDialog::carryOut(const EditEffects &effects)
{
    if (m_onEffects && effects != EditEffects{})
        m_onEffects(effects);
}

void EditingDialog::makeNumberBox(QComboBox *box)
{
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(12);
}

void EditingDialog::showNumberBox(QComboBox *box, int entries, const QString &text)
{
    const QSignalBlocker block(box);
    if (box->count() != entries) {
        box->clear();
        for (int n = 1; n <= entries; ++n)
            box->addItem(entryText(n));
    }
    const int index = box->findText(text, Qt::MatchExactly);
    box->setCurrentIndex(index);
    if (index < 0)
        box->setEditText(text);
}

void EditingDialog::showText(QLineEdit *edit, const QString &text)
{
    if (edit->text() != text) {
        const QSignalBlocker block(edit);
        edit->setText(text);
    }
}

void EditingDialog::moveFocus(QWidget *field, bool selectAll)
{
    if (!field)
        return;
    field->setFocus(Qt::OtherFocusReason);
    QLineEdit *edit = qobject_cast<QLineEdit *>(field);
    if (auto *box = qobject_cast<QComboBox *>(field))
        edit = box->lineEdit();
    if (edit && selectAll)
        edit->selectAll();
}

void EditingDialog::prepare()
{
    for (QWidget *w : findChildren<QWidget *>())
        w->installEventFilter(this);
    for (QPushButton *b : findChildren<QPushButton *>()) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    // On Linux Qt names a drop-down box by its text and relates it to its
    // label; its text field carries the label's name, so that the box is
    // found by its label too.
    for (QLabel *label : findChildren<QLabel *>()) {
        QWidget *field = label->buddy();
        if (!field)
            continue;
        field->setAccessibleName(label->text());
        if (auto *box = qobject_cast<QComboBox *>(field); box && box->lineEdit())
            box->lineEdit()->setAccessibleName(label->text());
    }
}

int EditingDialog::typedItem(const QString &text) { return typed::itemNumber(text).value_or(0); }
