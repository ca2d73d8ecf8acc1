#include "analysis/TimeOfDay.h"

#include <QLocale>

namespace {

// The long time format of the platform, less its time-zone part: the long
// format is the one that always carries seconds, and the zone name only
// lengthens the log lines.
QString timeFormatWithSeconds(const QLocale &locale)
{
    const QString longFormat = locale.timeFormat(QLocale::LongFormat);
    QString out;
    bool quoted = false;
    for (const QChar ch : longFormat) {
        if (ch == QLatin1Char('\''))
            quoted = !quoted;
        if (!quoted && ch == QLatin1Char('t'))
            continue;
        out += ch;
    }
    out = out.trimmed();
    if (!out.contains(QLatin1Char('s')))
        out = QStringLiteral("HH:mm:ss");
    return out;
}

} // namespace

QString timeOfDay(const QTime &time)
{
    const QLocale locale = QLocale::system();
    return locale.toString(time, timeFormatWithSeconds(locale));
}
