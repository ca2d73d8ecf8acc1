#pragma once
// The message boxes and dialogs of the program on Qt widgets.
#include "common/UserPrompts.h"

class QWidget;

class QtPrompts : public UserPrompts {
public:
    explicit QtPrompts(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    PromptAnswer message(const QString &text, const QString &title, PromptIcon icon,
                         PromptButtons buttons) override;
    std::optional<QString> input(const QString &prompt, const QString &title,
                                 const QString &initial) override;
    std::optional<QString> openFile(const QString &title, const QString &filter,
                                    const QString &directory) override;
    std::optional<QString> saveFile(const QString &title, const QString &filter,
                                    const QString &proposedPath) override;
    std::optional<unsigned> colour(unsigned start) override;

private:
    // The application's active window, or the parent given.
    QWidget *dialogParent() const;

    QWidget *m_parent = nullptr;
};
