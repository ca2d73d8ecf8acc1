#pragma once
// Every message box, input box and file or colour dialog goes through this
// interface, so the core never touches a widget and tests script the answers.
#include <QString>
#include <optional>

enum class PromptIcon { None, Information, Exclamation, Question, Critical };
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class PromptAnswer { Ok, Cancel, Yes, No };

// The program title, the title of every message box that names one.
inline const QString kProgramTitle = QStringLiteral("Corvane Kel.2D");

class UserPrompts {
public:
    virtual ~UserPrompts() = default;

    // title empty: the application's default title.
    virtual PromptAnswer message(const QString &text, const QString &title, PromptIcon icon,
                                 PromptButtons buttons) = 0;
    // nothing when cancelled.
    virtual std::optional<QString> input(const QString &prompt, const QString &title,
                                         const QString &initial) = 0;
    // filter in the dialog's own form, e.g. "Corvane Kel.2D files (*.kel)".
    // Nothing when cancelled. The save dialog asks before overwriting.
    virtual std::optional<QString> openFile(const QString &title, const QString &filter,
                                            const QString &directory) = 0;
    virtual std::optional<QString> saveFile(const QString &title, const QString &filter,
                                            const QString &proposedPath) = 0;
    // 0x00BBGGRR, nothing when cancelled.
    virtual std::optional<unsigned> colour(unsigned start) = 0;

    // Shorthands for the common message boxes with the program title.
    void error(const QString &text)
    {
        message(text, kProgramTitle, PromptIcon::Critical, PromptButtons::Ok);
    }
    void warning(const QString &text)
    {
        message(text, kProgramTitle, PromptIcon::Exclamation, PromptButtons::Ok);
    }
};

// Answers every box with its most cautious answer (Cancel where offered,
// else No, else OK) and every dialog with "cancelled". The core falls back
// to it when nobody installed real prompts, so batch use never deletes,
// overwrites or discards anything by accident.
class SilentPrompts : public UserPrompts {
public:
    PromptAnswer message(const QString &, const QString &, PromptIcon, PromptButtons b) override
    {
        switch (b) {
        case PromptButtons::Ok: return PromptAnswer::Ok;
        case PromptButtons::YesNo: return PromptAnswer::No;
        default: return PromptAnswer::Cancel;
        }
    }
    std::optional<QString> input(const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    std::optional<QString> openFile(const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    std::optional<QString> saveFile(const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    std::optional<unsigned> colour(unsigned) override { return std::nullopt; }
};
