#include "ui/dialogs/EditingDialog.h"

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

void EditingDialog::setEnterMove(QWidget *from, QWidget *to)
{
    m_enterMoves.insert(from, to);
}

void EditingDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QDialog::keyPressEvent(event);
        return;
    }
    // The key comes here from the field that had the focus when it was
    // pressed: a field passes it on untouched.
    QWidget *focused = focusWidget();
    for (QWidget *w = focused; w && w != this; w = w->parentWidget()) {
        if (QWidget *next = m_enterMoves.value(w)) {
            next->setFocus(Qt::TabFocusReason);
            event->accept();
            return;
        }
    }
    if (auto *button = qobject_cast<QPushButton *>(focused))
        button->click();
    event->accept();
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

void EditingDialog::prepare(QDialog *dialog)
{
    for (QPushButton *b : dialog->findChildren<QPushButton *>()) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    // On Linux Qt names a drop-down box by its text and relates it to its
    // label; its text field carries the label's name, so that the box is
    // found by its label too.
    for (QLabel *label : dialog->findChildren<QLabel *>()) {
        QWidget *field = label->buddy();
        if (!field)
            continue;
        field->setAccessibleName(label->text());
        if (auto *box = qobject_cast<QComboBox *>(field); box && box->lineEdit())
            box->lineEdit()->setAccessibleName(label->text());
    }
}
