#pragma once
// The program-wide state: one model with its results, the display settings,
// the view, the drawing mode and the message log, plus the interfaces through
// which the core talks to the user and the main window. The main window owns
// one Workspace for the whole run; every test builds a fresh one.
#include "analysis/AnalysisResults.h"
#include "common/MainWindowHooks.h"
#include "common/MessageLog.h"
#include "common/Settings.h"
#include "common/UserPrompts.h"
#include "drawing/ViewTransform.h"
#include "model/Model.h"

enum DrawingMode : std::int16_t {
    ModeModel = 0,
    ModeAxialForce = 1,
    ModeDeformed = 2,
    ModeColourDiagram = 3,
    ModeAnimation = 4,
};

class Workspace {
public:
    Workspace() = default;
    Workspace(const Workspace &) = delete;
    Workspace &operator=(const Workspace &) = delete;

    Model model;
    AnalysisResults results;
    Settings settings;
    ViewTransform view;
    std::int16_t drawingMode = ModeModel;
    MessageLog log;

    UserPrompts &prompts() { return *m_prompts; }
    MainWindowHooks &hooks() { return *m_hooks; }
    // Not owned; null restores the harmless defaults.
    void setPrompts(UserPrompts *p) { m_prompts = p ? p : &m_silentPrompts; }
    void setHooks(MainWindowHooks *h) { m_hooks = h ? h : &m_noHooks; }

    // Shows a message box with the program title and writes the same text
    // to the log: the way every rejected input, warning and failure is told.
    void reportError(const QString &text, bool bold = false) {
        prompts().error(text);
        log.append(text, LogRed, bold);
    }
    void reportWarning(const QString &text) {
        prompts().warning(text);
        log.append(text, LogRed);
    }

private:
    SilentPrompts m_silentPrompts;
    MainWindowHooks m_noHooks;
    UserPrompts *m_prompts = &m_silentPrompts;
    MainWindowHooks *m_hooks = &m_noHooks;
};
