#include "ui/LogView.h"

#include "common/MessageLog.h"

#include <QPointer>
#include <QScrollBar>
#include <QTextCharFormat>
#include <QTextCursor>

LogView::LogView(MessageLog &log, QWidget *parent) : QTextEdit(parent)
{
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setLineWrapMode(QTextEdit::WidgetWidth);
    for (const LogEntry &entry : log.entries())
        appendEntry(entry);
    // The guard keeps an entry written after the view is gone harmless.
    QPointer<LogView> self(this);
    log.setListener([self](const LogEntry &entry) {
        if (self)
            self->appendEntry(entry);
    });
}

void LogView::appendEntry(const LogEntry &entry)
{
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);

    const unsigned rgb = MessageLog::rgbOf(entry.colour);
    QTextCharFormat format;
    format.setForeground(QColor(int((rgb >> 16) & 0xFF), int((rgb >> 8) & 0xFF), int(rgb & 0xFF)));
    format.setFontWeight(entry.bold ? QFont::Bold : QFont::Normal);

    // The document starts with one empty paragraph, which is the log's
    // first (empty) line; an entry on a new line opens the next paragraph.
    if (!entry.stayOnLine)
        cursor.insertBlock(cursor.blockFormat(), format);
    QString text = entry.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    cursor.insertText(QLatin1Char(' ') + text, format);
    scrollToEnd();
}

void LogView::showEvent(QShowEvent *event)
{
    QTextEdit::showEvent(event);
    // Entries written while the box was hidden: bring the newest into view.
    scrollToEnd();
}

void LogView::scrollToEnd()
{
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    setTextCursor(end);
    ensureCursorVisible();
    if (QScrollBar *bar = verticalScrollBar())
        bar->setValue(bar->maximum());
}
