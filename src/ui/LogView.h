#pragma once
// The message log box under the drawing area: a read-only rich-text box that
// shows every entry of a MessageLog in its colour and weight, new lines and
// continued lines exactly as the log's text has them, newest line in view.
#include <QTextEdit>

class MessageLog;
struct LogEntry;

class LogView : public QTextEdit {
    Q_OBJECT
public:
    // Shows the entries already in the log and follows it from then on. The
    // view becomes the log's listener; whoever owns both clears the listener
    // before the log goes away.
    LogView(MessageLog &log, QWidget *parent = nullptr);

    void appendEntry(const LogEntry &entry);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void scrollToEnd();
};
