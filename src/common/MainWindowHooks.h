#pragma once
// What the core asks of the main window while it works: the caption, the
// analyse button, the busy pointer and a repaint of the log. The default does
// nothing, so the core runs the same in tests and in the batch tool.
#include <QString>

class MainWindowHooks {
public:
    virtual ~MainWindowHooks() = default;
    virtual void setCaption(const QString & /*caption*/) {}
    // The analyse button (tool-bar key Epilisi).
    virtual void setAnalyseEnabled(bool /*enabled*/) {}
    // Busy pointer on/off; every "on" is matched by an "off" on every path.
    virtual void setBusy(bool /*busy*/) {}
    // Make the log lines written so far visible before a long computation.
    virtual void repaintLog() {}
};
