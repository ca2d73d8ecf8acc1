#pragma once
// A workspace with scripted prompts and a recorder of edit steps, and small
// builders of models, for the tests of the editing operations and forms.
#include "core/Fixtures.h"
#include "model/EditForms.h"
#include "workspace/Workspace.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <tuple>
#include <utility>
#include <vector>

struct StepRecorder : EditRecorder {
    std::vector<QString> labels; // one per step begun
    int open = 0;
    int ended = 0;
    void begin(const QString &label) override { labels.push_back(label), ++open; }
    void end() override { --open, ++ended; }
};

struct Editing {
    Workspace ws;
    ScriptedPrompts prompts;
    StepRecorder steps;

    Editing()
    {
        ws.setPrompts(&prompts);
        ws.setEditRecorder(&steps);
    }
    Model &model() { return ws.model; }
    // Scripts the OK of `count` boxes that only tell something.
    void okBoxes(int count = 1)
    {
        prompts.answers.insert(prompts.answers.end(), count, PromptAnswer::Ok);
    }

    // Nodes at the given points, no constraints, loads or springs.
    void nodes(std::initializer_list<std::pair<float, float>> points)
    {
        int n = 0;
        for (const auto &[x, y] : points)
            ws.model.nodes[++n] = Node{x, y, 0, 0, 0, 0};
        ws.model.nodeCount = std::int16_t(n);
    }
    // Elements (i, j, group).
    void elements(std::initializer_list<std::vector<int>> rows)
    {
        int e = 0;
        for (const auto &r : rows)
            ws.model.elements[++e] = Element{float(r[0]), float(r[1]), float(r[2])};
        ws.model.elementCount = std::int16_t(e);
    }
    void groups(int count)
    {
        for (int g = 1; g <= count; ++g)
            ws.model.groups[g] = ElementGroup{100.0 * g, 0.5 * g};
        ws.model.groupCount = std::int16_t(count);
    }

    // The log lines written since the start, with their colours.
    std::vector<std::pair<QString, int>> lines() const
    {
        std::vector<std::pair<QString, int>> out;
        for (const LogEntry &e : ws.log.entries())
            out.emplace_back(e.text, e.colour);
        return out;
    }
    // The texts of the message boxes shown.
    std::vector<QString> boxes() const
    {
        std::vector<QString> out;
        for (const ShownPrompt &p : prompts.messages())
            out.push_back(p.text);
        return out;
    }
    // A refusal: one exclamation box with the program title, the same text
    // as the last log line in red.
    void expectRefused(const QString &text)
    {
        const auto shown = prompts.messages();
        ASSERT_EQ(shown.size(), 1u);
        ASSERT_FALSE(ws.log.entries().isEmpty());
        const LogEntry &last = ws.log.entries().back();
        EXPECT_EQ(std::tuple(shown[0].text, shown[0].title, shown[0].icon, last.text, last.colour),
                  std::tuple(text, QStringLiteral("Corvane Kel.2D"), PromptIcon::Exclamation, text,
                             int(LogRed)));
        EXPECT_TRUE(steps.labels.empty());
    }
};

using Lines = std::vector<std::pair<QString, int>>;

// The element rows 1..elementCount, for comparing whole.
inline std::vector<Element> elementsOf(const Model &m)
{
    return {m.elements.begin() + 1, m.elements.begin() + 1 + m.elementCount};
}

// A verdict as one comparable value: passed, the field, whether selected.
template <typename Field>
std::tuple<bool, Field, bool> verdictOf(const Verdict<Field> &v)
{
    return {v.ok, v.field, v.selectAll};
}
