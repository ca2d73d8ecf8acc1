#include "analysis/TimeOfDay.h"

#include <QDateTime>
#include <QLocale>

namespace {

// The offset from UTC that the local-time conversion found for one whole
// second of UTC time.
struct OffsetOfSecond {
    qint64 second = -1;
    int offsetSeconds = 0;
};

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

// hh:mm:ss with two ASCII digits each.
QString twentyFourHours(const QTime &time)
{
    QString out(8, QLatin1Char(':'));
    const int parts[3] = {time.hour(), time.minute(), time.second()};
    for (int i = 0; i < 3; ++i) {
        out[3 * i] = QLatin1Char(char('0' + parts[i] / 10));
        out[3 * i + 1] = QLatin1Char(char('0' + parts[i] % 10));
    }
    return out;
}

} // namespace

// Each conversion to local time makes the C library look at the system's
// time-zone file again (a file-system call that costs more than the whole
// analysis of a small truss, and a run asks the time twice). A zone's offset
// from UTC changes only on a whole second, so the offset found for one
// second serves every later instant of the same second. (An instant before
// 1970, from a clock set wrong, is converted on its own.)
QTime localTimeAt(qint64 msSinceEpoch)
{
    thread_local OffsetOfSecond known;
    const qint64 second = msSinceEpoch / 1000;
    if (msSinceEpoch < 0 || second != known.second) {
        const QDateTime local = QDateTime::fromMSecsSinceEpoch(msSinceEpoch, Qt::LocalTime);
        known = OffsetOfSecond{second, local.offsetFromUtc()};
        return local.time();
    }
    return QDateTime::fromMSecsSinceEpoch(msSinceEpoch + qint64(known.offsetSeconds) * 1000,
                                          Qt::UTC)
        .time();
}

QTime localTimeNow() { return localTimeAt(QDateTime::currentMSecsSinceEpoch()); }

QString timeOfDay(const QTime &time)
{
    const QLocale locale = QLocale::system();
    const QString format = timeFormatWithSeconds(locale);
    // The common 24-hour format in Western digits is written directly: the
    // same text as the locale's general formatter gives, for a tenth of
    // its work.
    if (time.isValid() && format == QLatin1String("HH:mm:ss")
        && locale.zeroDigit() == QLatin1String("0"))
        return twentyFourHours(time);
    return locale.toString(time, format);
}
