#include "common/MessageLog.h"

void MessageLog::append(const QString &text, int colour, bool bold, bool stayOnLine)
{
    // A new line is a line break before the entry, never after it, so the
    // log never ends with a line break. (The greeting's first line stays on
    // the empty first line, so the log does not open with a blank line.)
    if (!stayOnLine)
        m_text += QStringLiteral("\r\n");
    m_text += QLatin1Char(' ');
    m_text += text;
    m_entries.push_back(LogEntry{text, colour, bold, stayOnLine});
    if (m_listener)
        m_listener(m_entries.back());
}

QString MessageLog::lastLine() const
{
    const qsizetype pos = m_text.lastIndexOf(QStringLiteral("\r\n"));
    return pos < 0 ? m_text : m_text.mid(pos + 2);
}

unsigned MessageLog::rgbOf(int colour)
{
    switch (colour) {
    case LogDarkBlue: return 0x000080;
    case LogGreen: return 0x008000;
    case LogRed: return 0xFF0000;
    case LogGrey: return 0x808080;
    default: return 0x000000;
    }
}
