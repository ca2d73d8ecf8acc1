// The program as started from the desktop or a shell.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#ifdef Q_OS_LINUX
#include <csignal>

namespace {

// Whether the process ignores the signal, as /proc tells it.
bool ignores(qint64 pid, int signal)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    const QByteArray text = status.open(QIODevice::ReadOnly) ? status.readAll() : QByteArray();
    const qsizetype at = text.indexOf("\nSigIgn:");
    return at >= 0 && (text.mid(at + 8, 17).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1;
}

// A save beyond the process's file-size limit must fail with its message,
// not end the program with the session's work: the program ignores the
// signal that limit raises from its first line on.
TEST(Program, IgnoresTheFileSizeSignal)
{
    QTemporaryDir config;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    QProcess program;
    program.setProcessEnvironment(env);
    program.setChildProcessModifier([] { std::signal(SIGXFSZ, SIG_DFL); });
    program.start(QStringLiteral(KEL2D_PROGRAM), {});
    ASSERT_TRUE(program.waitForStarted(10000));
    bool ignored = false;
    for (int i = 0; i < 1000 && !ignored && program.state() == QProcess::Running; ++i) {
        ignored = ignores(program.processId(), SIGXFSZ);
        if (!ignored)
            QThread::msleep(10);
    }
    program.kill();
    program.waitForFinished(10000);
    EXPECT_TRUE(ignored);
}

} // namespace
#endif
