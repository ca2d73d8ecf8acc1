#pragma once
#include <QString>
#include <QTime>

// The time of day as the log shows it: the platform's own time format, always
// with seconds and without the time zone (e.g. "14:05:09" or "2:05:09 PM").
QString timeOfDay(const QTime &time = QTime::currentTime());
