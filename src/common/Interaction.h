#pragma once
// How the core talks to the user and to the main window: the message log,
// the message boxes and dialogs, and the window's caption, analyse button,
// busy pointer and log repaint, and the recorder of model edits. An operation
// that tells the user something takes an Interaction; the Workspace is one.
#include "common/EditRecorder.h"
#include "common/MainWindowHooks.h"
#include "common/MessageLog.h"
#include "common/UserPrompts.h"

class Interaction {
public:
    Interaction() = default;
    Interaction(const Interaction &) = delete;
    Interaction &operator=(const Interaction &) = delete;

    MessageLog log;

    UserPrompts &prompts() { return *m_prompts; }
    MainWindowHooks &hooks() { return *m_hooks; }
    // Not owned; null restores the harmless defaults.
    void setPrompts(UserPrompts *p) { m_prompts = p ? p : &m_silentPrompts; }
    void setHooks(MainWindowHooks *h) { m_hooks = h ? h : &m_noHooks; }
    EditRecorder &edits() { return *m_edits; }
    void setEditRecorder(EditRecorder *r) { m_edits = r ? r : &m_noRecorder; }

    // Shows a message box with the program title and writes the same text
    // to the log: the way every rejected input, warning and failure is told.
    void reportError(const QString &text, bool bold = false)
    {
        prompts().error(text);
        log.append(text, LogRed, bold);
    }
    void reportWarning(const QString &text)
    {
        prompts().warning(text);
        log.append(text, LogRed);
    }

private:
    friend class EditStep;

    SilentPrompts m_silentPrompts;
    MainWindowHooks m_noHooks;
    UserPrompts *m_prompts = &m_silentPrompts;
    MainWindowHooks *m_hooks = &m_noHooks;
    EditRecorder m_noRecorder;
    EditRecorder *m_edits = &m_noRecorder;
    int m_editDepth = 0; // open EditSteps
};

inline EditStep::EditStep(Interaction &user, const QString &label) : m_user(user)
{
    if (m_user.m_editDepth++ == 0)
        m_user.edits().begin(label);
}

inline EditStep::~EditStep()
{
    if (--m_user.m_editDepth == 0)
        m_user.edits().end();
}
