#pragma once
// A UserPrompts for tests: answers come from queues the test fills in
// advance, and every box or dialog shown is recorded with its texts, so a test
// can assert exactly what the user would have seen.
//
//   ScriptedPrompts prompts;
//   prompts.answers.push_back(PromptAnswer::Yes);   // first message box
//   prompts.files.push_back(QStringLiteral("/tmp/a.kel"));
//   ws.setPrompts(&prompts);
//   ...
//   ASSERT_EQ(prompts.shown.size(), 1);
//   EXPECT_EQ(prompts.shown[0].text, "...");
//
// When a queue runs dry the box gets the most cautious answer (as the silent
// prompts give) and `unscripted` counts it, so a test can tell that a box it
// did not expect was shown.
#include "common/UserPrompts.h"

#include <QString>
#include <deque>
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
    // What the box answered (message boxes only).
    PromptAnswer answer = PromptAnswer::Ok;
};

class ScriptedPrompts : public UserPrompts {
public:
    std::deque<PromptAnswer> answers;            // message boxes
    std::deque<std::optional<QString>> inputs;   // input boxes
    std::deque<std::optional<QString>> files;    // open and save dialogs
    std::deque<std::optional<unsigned>> colours; // colour dialogs

    std::vector<ShownPrompt> shown;
    int unscripted = 0;

    PromptAnswer message(const QString &text, const QString &title, PromptIcon icon,
                         PromptButtons buttons) override
    {
        ShownPrompt p;
        p.kind = ShownPrompt::Kind::Message;
        p.text = text;
        p.title = title;
        p.icon = icon;
        p.buttons = buttons;
        if (!answers.empty()) {
            p.answer = answers.front();
            answers.pop_front();
        } else {
            ++unscripted;
            p.answer = cautious(buttons);
        }
        shown.push_back(p);
        return p.answer;
    }

    std::optional<QString> input(const QString &prompt, const QString &title,
                                 const QString &initial) override
    {
        ShownPrompt p;
        p.kind = ShownPrompt::Kind::Input;
        p.text = prompt;
        p.title = title;
        p.extra = initial;
        shown.push_back(p);
        return take(inputs);
    }

    std::optional<QString> openFile(const QString &title, const QString &filter,
                                    const QString &directory) override
    {
        ShownPrompt p;
        p.kind = ShownPrompt::Kind::OpenFile;
        p.title = title;
        p.extra = filter;
        p.location = directory;
        shown.push_back(p);
        return take(files);
    }

    std::optional<QString> saveFile(const QString &title, const QString &filter,
                                    const QString &proposedPath) override
    {
        ShownPrompt p;
        p.kind = ShownPrompt::Kind::SaveFile;
        p.title = title;
        p.extra = filter;
        p.location = proposedPath;
        shown.push_back(p);
        return take(files);
    }

    std::optional<unsigned> colour(unsigned start) override
    {
        ShownPrompt p;
        p.kind = ShownPrompt::Kind::Colour;
        p.startColour = start;
        shown.push_back(p);
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

    static PromptAnswer cautious(PromptButtons b)
    {
        switch (b) {
        case PromptButtons::Ok: return PromptAnswer::Ok;
        case PromptButtons::YesNo: return PromptAnswer::No;
        default: return PromptAnswer::Cancel;
        }
    }

private:
    template <typename T>
    std::optional<T> take(std::deque<std::optional<T>> &queue)
    {
        if (queue.empty()) {
            ++unscripted;
            return std::nullopt;
        }
        // Taken apart rather than copied whole: GCC 12 warns wrongly about
        // a copied optional<QString> being used uninitialised.
        if (!queue.front()) {
            queue.pop_front();
            return std::nullopt;
        }
        T value = std::move(*queue.front());
        queue.pop_front();
        return value;
    }
};
