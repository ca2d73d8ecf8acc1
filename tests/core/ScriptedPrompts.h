#pragma once
// A UserPrompts for tests: answers come from queues filled in advance; every
// box or dialog shown is recorded with its texts. Strict by default: a box
// that finds its queue empty (it gets the most cautious answer) and an answer
// left over both fail the test; a test may allowUnscripted() boxes.
#include "common/UserPrompts.h"

#include <QString>
#include <deque>
#include <gtest/gtest.h>
#include <optional>
#include <utility>
#include <vector>

struct ShownPrompt {
    enum class Kind { Message, Input, OpenFile, SaveFile, Colour };
    Kind kind = Kind::Message;
    QString text;  // message text or input prompt
    QString title; // title of the box or dialog
    PromptIcon icon = PromptIcon::None;
    PromptButtons buttons = PromptButtons::Ok;
    QString extra;    // input: initial text; file dialogs: filter
    QString location; // file dialogs: directory or proposed path
    unsigned startColour = 0;
    PromptAnswer answer = PromptAnswer::Ok; // what a message box answered
};

class ScriptedPrompts : public UserPrompts {
public:
    std::deque<PromptAnswer> answers;            // message boxes, OK-only ones too
    std::deque<std::optional<QString>> inputs;   // input boxes
    std::deque<std::optional<QString>> files;    // open and save dialogs
    std::deque<std::optional<unsigned>> colours; // colour dialogs

    std::vector<ShownPrompt> shown;
    int unscripted = 0; // boxes and dialogs that found their queue empty

    ~ScriptedPrompts() override
    {
        const size_t left = answers.size() + inputs.size() + files.size() + colours.size();
        if (left > 0)
            ADD_FAILURE() << left << " scripted answer(s) left over: an expected box never came";
    }
    void allowUnscripted() { m_allowUnscripted = true; }

    PromptAnswer message(const QString &text, const QString &title, PromptIcon icon,
                         PromptButtons buttons) override
    {
        ShownPrompt &p = record(ShownPrompt::Kind::Message, text, title);
        p.icon = icon;
        p.buttons = buttons;
        if (answers.empty()) {
            notScripted(text);
            p.answer = buttons == PromptButtons::Ok ? PromptAnswer::Ok
                : buttons == PromptButtons::YesNo   ? PromptAnswer::No
                                                    : PromptAnswer::Cancel;
        } else {
            p.answer = answers.front();
            answers.pop_front();
        }
        return p.answer;
    }
    std::optional<QString> input(const QString &prompt, const QString &title,
                                 const QString &initial) override
    {
        record(ShownPrompt::Kind::Input, prompt, title).extra = initial;
        return take(inputs);
    }
    std::optional<QString> openFile(const QString &title, const QString &filter,
                                    const QString &directory) override
    {
        return fileDialog(ShownPrompt::Kind::OpenFile, title, filter, directory);
    }
    std::optional<QString> saveFile(const QString &title, const QString &filter,
                                    const QString &proposedPath) override
    {
        return fileDialog(ShownPrompt::Kind::SaveFile, title, filter, proposedPath);
    }
    std::optional<unsigned> colour(unsigned start) override
    {
        record(ShownPrompt::Kind::Colour, {}, {}).startColour = start;
        return take(colours);
    }

    // The message boxes only, in the order shown.
    std::vector<ShownPrompt> messages() const
    {
        std::vector<ShownPrompt> out;
        for (const ShownPrompt &p : shown)
            if (p.kind == ShownPrompt::Kind::Message)
                out.push_back(p);
        return out;
    }

private:
    void notScripted(const QString &what)
    {
        ++unscripted;
        if (!m_allowUnscripted)
            ADD_FAILURE() << "unscripted prompt: " << what.toStdString();
    }
    ShownPrompt &record(ShownPrompt::Kind kind, const QString &text, const QString &title)
    {
        ShownPrompt &p = shown.emplace_back();
        p.kind = kind, p.text = text, p.title = title;
        return p;
    }
    std::optional<QString> fileDialog(ShownPrompt::Kind kind, const QString &title,
                                      const QString &filter, const QString &location)
    {
        ShownPrompt &p = record(kind, {}, title);
        p.extra = filter;
        p.location = location;
        return take(files);
    }
    template <typename T>
    std::optional<T> take(std::deque<std::optional<T>> &queue)
    {
        if (queue.empty()) {
            notScripted(shown.back().title);
            return std::nullopt;
        }
        // Moved out rather than copied whole: GCC 12 warns wrongly about a
        // copied optional<QString> being used uninitialised.
        std::optional<T> value;
        if (queue.front())
            value.emplace(std::move(*queue.front()));
        queue.pop_front();
        return value;
    }

    bool m_allowUnscripted = false;
};
