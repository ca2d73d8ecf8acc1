// kel2d-report run as a user would run it: its standard output must be the
// program's own report, byte for byte, and its exit status must tell what
// went wrong.
#include "analysis/AnalysisStages.h"
#include "analysis/epilisi.h"
#include "core/Fixtures.h"
#include "reports/ReportText.h"

#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <cstring>
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

// The report the program itself builds for the file: read, analysed when it
// has nodes, sections in the order 1 to 4.
QByteArray expectedReport(const char *file, const char *sections)
{
    Workspace ws;
    QString name = data(file);
    if (Read_Model_File(ws, name) != ReadOutcome::Read)
        return "(unreadable)";
    if (ws.model.nodeCount > 0)
        Run_Analysis(ws);
    QString text;
    for (char s = '1'; s <= '4'; ++s)
        if (std::strchr(sections, s))
            text += Report_Text(ws.model, ws.results, s - '0');
    return text.toUtf8();
}

TEST(Kel2dReport, WritesTheChosenSectionsOrTellsWhatWentWrong)
{
    const struct {
        const char *file;
        const char *sections; // the option; null: none
        const char *expected; // the sections expected; null: no report
        int exitCode;
        QString err; // a part of the standard error
    } rows[] = {
        {"small_example.kel", nullptr, "1234", 0,
         "Open file: " + data("small_example.kel") + "\nANALYSIS\nStart:  "},
        // No nodes: not analysed, the report of the data as it stands.
        {"empty_model.kel", nullptr, "1234", 0, "the model has no nodes; it was not analysed."},
        // The mechanism warning informs; the report is still written.
        {"mechanism.kel", "2", "2", 0, "The structure is probably a mechanism.\nmax.(u) = u(4) = "},
        {"no_such_file.kel", nullptr, nullptr, 1, "There was an error opening the file: "},
        // The free motions follow the failure on standard error, never in the report.
        {"lone_node.kel", nullptr, nullptr, 2,
         kAnalysisErrorText + "\nFree motion 1: node #1 in x\nFree motion 2: node #1 in y\n"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.file) + " " + (row.sections ? row.sections : ""));
        QStringList args{data(row.file)};
        if (row.sections)
            args = QStringList{"--sections", row.sections} + args;
        const ToolRun r = runTool(args);
        EXPECT_EQ(r.exitCode, row.exitCode) << r.err.toStdString();
        if (!row.err.isEmpty()) { // told once, not in both a box and the log
            EXPECT_EQ(r.err.count(row.err), 1) << r.err.toStdString();
        }
        EXPECT_EQ(r.out, row.expected ? expectedReport(row.file, row.expected) : QByteArray());
        // Every line ends in CR LF: nothing translated the line ends.
        EXPECT_EQ(r.out.count("\r\n"), r.out.count('\n'));
    }
}

// A report that cannot be written is a failure, not a silent success: a full
// device, or a file that would pass the process's file-size limit.
TEST(Kel2dReport, OutputThatCannotBeWrittenIsAFailure)
{
    QTemporaryDir dir;
    for (const auto &[output, limit, reason] :
         {std::tuple{QStringLiteral("/dev/full"), rlim_t(0), "No space left on device"},
          std::tuple{dir.filePath(QStringLiteral("report.txt")), rlim_t(100), "File too large"}}) {
        const ToolRun r = runTool({data("small_example.kel")}, output, limit);
        EXPECT_EQ(r.exitCode, 74);
        EXPECT_TRUE(r.err.contains(QStringLiteral("kel2d-report: the report could not be written: ")
                                   + QLatin1String(reason)))
            << r.err.toStdString();
    }
}

} // namespace
