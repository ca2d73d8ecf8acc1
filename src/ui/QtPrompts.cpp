#include "ui/QtPrompts.h"

#include "ui/dialogs/frmXROMATA.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon boxIcon(PromptIcon icon)
{
    switch (icon) {
    case PromptIcon::Information: return QMessageBox::Information;
    case PromptIcon::Exclamation: return QMessageBox::Warning;
    case PromptIcon::Question: return QMessageBox::Question;
    case PromptIcon::Critical: return QMessageBox::Critical;
    case PromptIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

// A box without a title of its own carries the application's name.
QString boxTitle(const QString &title)
{
    return title.isEmpty() ? QApplication::applicationDisplayName() : title;
}

} // namespace

QWidget *QtPrompts::dialogParent() const
{
    // Over the window the user works in (the data and results window, a
    // dialog), not behind it over the main window.
    if (QWidget *active = QApplication::activeWindow())
        return active;
    return m_parent;
}

PromptAnswer QtPrompts::message(const QString &text, const QString &title, PromptIcon icon,
                                PromptButtons buttons)
{
    QMessageBox box(boxIcon(icon), boxTitle(title), text, QMessageBox::NoButton, dialogParent());
    switch (buttons) {
    case PromptButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case PromptButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case PromptButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case PromptButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok: return PromptAnswer::Ok;
    case QMessageBox::Yes: return PromptAnswer::Yes;
    case QMessageBox::No: return PromptAnswer::No;
    default: break;
    }
    // Closing the box with its close button or Escape is the cautious
    // answer: Cancel where there is one, otherwise No, otherwise OK.
    switch (buttons) {
    case PromptButtons::Ok: return PromptAnswer::Ok;
    case PromptButtons::YesNo: return PromptAnswer::No;
    default: return PromptAnswer::Cancel;
    }
}

std::optional<QString> QtPrompts::input(const QString &prompt, const QString &title,
                                        const QString &initial)
{
    bool ok = false;
    const QString text = QInputDialog::getText(dialogParent(), boxTitle(title), prompt,
                                               QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> QtPrompts::openFile(const QString &title, const QString &filter,
                                           const QString &directory)
{
    const QString name = QFileDialog::getOpenFileName(dialogParent(), title, directory, filter);
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

std::optional<QString> QtPrompts::saveFile(const QString &title, const QString &filter,
                                           const QString &proposedPath)
{
    // QFileDialog asks before an existing file is overwritten.
    const QString name = QFileDialog::getSaveFileName(dialogParent(), title, proposedPath, filter);
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

std::optional<unsigned> QtPrompts::colour(unsigned start)
{
    frmXROMATA chooser(start, dialogParent());
    if (chooser.exec() != QDialog::Accepted)
        return std::nullopt;
    return chooser.selection();
}
