// kel2d-report run as a user would run it: the program's own report byte for
// byte on standard output, and an exit status that tells what went wrong.
#include "analysis/epilisi.h"
#include "core/Fixtures.h"
#include "reports/ReportText.h"

#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

const QString kTool = QStringLiteral(KEL2D_REPORT_TOOL);

QString data(const char *name) { return QStringLiteral(KEL2D_TEST_DATA "/") + name; }

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

// Runs the tool; `limit` (bytes, 0: none) caps the size of the files it writes.
ToolRun runTool(const QStringList &args, const QString &output = {}, rlim_t limit = 0)
{
    QProcess p;
    if (!output.isEmpty())
        p.setStandardOutputFile(output);
    p.setChildProcessModifier([limit] {
        std::signal(SIGXFSZ, SIG_DFL); // the tool must ignore it itself
        rlimit l{};
        getrlimit(RLIMIT_FSIZE, &l);
        l.rlim_cur = limit ? limit : l.rlim_cur;
        setrlimit(RLIMIT_FSIZE, &l);
    });
    p.start(kTool, args);
    EXPECT_TRUE(p.waitForFinished(60000)) << p.errorString().toStdString();
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    return {p.exitCode(), p.readAllStandardOutput(),
            QString::fromLocal8Bit(p.readAllStandardError())};
}

// The report the program itself builds for the file: all four sections.
QByteArray expectedReport(const char *file)
{
    Workspace ws;
    QString name = data(file);
    if (Read_Model_File(ws, name) != ReadOutcome::Read || !Run_Analysis(ws))
        return "(unreadable)";
    QString text;
    for (int s = 1; s <= 4; ++s)
        text += Report_Text(ws.model, ws.results, s);
    return text.toUtf8();
}

TEST(Kel2dReport, WritesTheReportOrTellsWhatWentWrong)
{
    const ToolRun ok = runTool({data("small_example.kel")});
    EXPECT_EQ(ok.exitCode, 0) << ok.err.toStdString();
    EXPECT_TRUE(
        ok.err.startsWith("Open file: " + data("small_example.kel") + "\nANALYSIS\nStart:  "))
        << ok.err.toStdString();
    EXPECT_EQ(ok.out, expectedReport("small_example.kel")); // CR LF kept

    const ToolRun usage = runTool({"--sections", "15", data("small_example.kel")});
    EXPECT_EQ(usage.exitCode, 64);
    EXPECT_TRUE(usage.err.startsWith("kel2d-report: \"5\" is not a section number; use 1 to 4.\n\n"
                                     "Usage: kel2d-report [--sections DIGITS] MODEL.kel\n"))
        << usage.err.toStdString();
    EXPECT_EQ(usage.out, QByteArray());

    // A report that would pass the process's file-size limit is a failed
    // write, not a silent end by the signal.
    QTemporaryDir dir;
    const ToolRun r = runTool({data("small_example.kel")}, dir.filePath("report.txt"), 100);
    EXPECT_EQ(r.exitCode, 74);
    EXPECT_TRUE(r.err.endsWith("kel2d-report: the report could not be written: File too large\n"))
        << r.err.toStdString();
}

} // namespace
