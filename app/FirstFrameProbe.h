// Start-up measurement (bench/startup.sh): with KEL2D_EXIT_AFTER_FIRST_FRAME
// set, the program prints the monotonic time (ns) at which its first window
// was exposed and painted, and its peak memory so far (VmHWM, kB), then ends.
// Without the variable it does nothing.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QMetaObject>
#include <QObject>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>

class FirstFrameProbe : public QObject {
public:
    static void installIfAsked()
    {
        if (qEnvironmentVariableIsSet("KEL2D_EXIT_AFTER_FIRST_FRAME"))
            QCoreApplication::instance()->installEventFilter(new FirstFrameProbe);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && watched->isWindowType()
            && static_cast<QWindow *>(watched)->isExposed() && !m_seen) {
            m_seen = true;
            // The window paints while it handles the expose event; the
            // queued call runs once that is done.
            QMetaObject::invokeMethod(this, &FirstFrameProbe::report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    static void report()
    {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        QByteArray peak = "?";
        QFile status(QStringLiteral("/proc/self/status"));
        if (status.open(QIODevice::ReadOnly))
            for (const QByteArray &line : status.readAll().split('\n'))
                if (line.startsWith("VmHWM:"))
                    peak = line.mid(6).trimmed().split(' ').value(0);
        if (qEnvironmentVariableIsSet("KEL2D_DUMP_SMAPS")) {
            QFile in(QStringLiteral("/proc/self/smaps"));
            QFile out(qEnvironmentVariable("KEL2D_DUMP_SMAPS"));
            if (in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly)) {
                out.write(in.readAll());
                QFile st(QStringLiteral("/proc/self/status"));
                if (st.open(QIODevice::ReadOnly))
                    out.write(st.readAll());
            }
        }
        std::printf("%lld %s\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                    peak.constData());
        std::fflush(stdout);
        std::_Exit(0);
    }

    bool m_seen = false;
};
