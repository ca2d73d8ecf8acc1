#pragma once
#include <QString>
#include <QTime>

// The local time at an instant given in milliseconds since 1970 UTC: the
// time of day QDateTime's local-time conversion gives for it.
QTime localTimeAt(qint64 msSinceEpoch);
// The local time now, as QTime::currentTime() gives it.
QTime localTimeNow();

// The time of day as the log shows it: the platform's own time format, always
// with seconds and without the time zone (e.g. "14:05:09" or "2:05:09 PM").
QString timeOfDay(const QTime &time = localTimeNow());
