#pragma once
// The running record of what the user did and what the program reported.
// Entries are kept with their colour code and bold flag; the text is built
// exactly as the log box shows it: an entry that starts a new line adds
// CR LF, one space and the text; an entry that stays on the line adds one
// space and the text.
#include <QString>
#include <QVector>
#include <functional>

enum LogColour : int {
    LogBlack = 0,    // headings, progress and file lines
    LogDarkBlue = 1, // additions and changes of model data
    LogGreen = 2,    // deletions and renumberings
    LogRed = 3,      // errors, rejected input and warnings
    LogGrey = 4,
};

struct LogEntry {
    QString text;   // the text as given, without the space or line break
    int colour = 0; // code as given; codes outside 0..4 draw black
    bool bold = false;
    bool stayOnLine = false;
};

class MessageLog {
public:
    using Listener = std::function<void(const LogEntry &)>;

    void append(const QString &text, int colour = LogBlack, bool bold = false,
                bool stayOnLine = false);

    // The whole log text as the box holds it.
    const QString &text() const { return m_text; }
    const QVector<LogEntry> &entries() const { return m_entries; }
    // The last line of the text (after the last CR LF), handy for tests.
    QString lastLine() const;

    // The log view follows the log through one listener.
    void setListener(Listener listener) { m_listener = std::move(listener); }

    // RGB of a colour code (0x00RRGGBB); any code other than 0..4 is black.
    static unsigned rgbOf(int colour);

private:
    QString m_text;
    QVector<LogEntry> m_entries;
    Listener m_listener;
};
