// kel2d-report run as a user would run it: its standard output must be the
// program's own report, byte for byte, and its exit status must tell what
// went wrong.
#include "analysis/epilisi.h"
#include "files/Files.h"
#include "reports/ReportText.h"
#include "workspace/Workspace.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

const QString kTool = QStringLiteral(KEL2D_REPORT_TOOL);
const QString kData = QStringLiteral(KEL2D_TEST_DATA);

QString data(const char *name) { return kData + u'/' + QLatin1String(name); }

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

ToolRun runTool(const QStringList &args)
{
    QProcess p;
    p.start(kTool, args);
    ToolRun r;
    if (!p.waitForStarted(10000) || !p.waitForFinished(60000)) {
        ADD_FAILURE() << "kel2d-report did not run: " << p.errorString().toStdString();
        p.kill();
        return r;
    }
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    r.exitCode = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

// The report the program itself builds for the file: read, analysed when it
// has nodes, sections in the order 1 to 4.
QByteArray expectedReport(const QString &file, const QString &sections)
{
    Workspace ws;
    QString name = file;
    if (Read_Model_File(ws, name) != ReadOutcome::Read)
        return "(unreadable)";
    if (ws.model.nodeCount > 0)
        Run_Analysis(ws);
    QString text;
    for (int s = 1; s <= 4; ++s)
        if (sections.contains(QChar(u'0' + s)))
            text += Report_Text(ws.model, ws.results, s);
    return text.toUtf8();
}

TEST(Kel2dReport, WritesTheChosenSectionsOfTheReport)
{
    const struct {
        QStringList args;
        const char *file;
        const char *sections;
    } rows[] = {
        {{}, "small_example.kel", "1234"},
        {{QStringLiteral("--sections"), QStringLiteral("31")}, "small_example.kel", "13"},
        {{QStringLiteral("--sections"), QStringLiteral("4321")}, "small_example.kel", "1234"},
        // No nodes: not analysed, the report of the data as it stands.
        {{}, "empty_model.kel", "1234"},
        // The mechanism warning informs; the report is still written.
        {{QStringLiteral("--sections"), QStringLiteral("2")}, "mechanism.kel", "2"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.file + (u' ' + row.args.join(u' ')).toStdString());
        const ToolRun r = runTool(row.args + QStringList{data(row.file)});
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        const QByteArray expected = expectedReport(data(row.file), QLatin1String(row.sections));
        EXPECT_EQ(r.out, expected);
        // Every line ends in CR LF: nothing translated the line ends.
        EXPECT_EQ(r.out.count("\r\n"), r.out.count('\n'));
        EXPECT_TRUE(r.out.endsWith("\r\n"));
    }
}

TEST(Kel2dReport, FailuresGiveTheirExitStatusAndMessage)
{
    const struct {
        const char *what;
        QStringList args;
        int exitCode;
        QString err;
    } rows[] = {
        {"log lines",
         {data("small_example.kel")},
         0,
         QStringLiteral("Open file: ") + data("small_example.kel")
             + QStringLiteral("\nANALYSIS\nStart:  ")},
        {"mechanism warning",
         {data("mechanism.kel")},
         0,
         QStringLiteral("The structure is probably a mechanism.\nmax.(u) = u(4) = ")},
        {"no nodes", {data("empty_model.kel")}, 0, "the model has no nodes; it was not analysed."},
        {"missing file", {data("no_such_file.kel")}, 1, "There was an error opening the file: "},
        {"not a model file",
         {data("bad_header.kel")},
         1,
         QStringLiteral("There was an error opening the file. The file could not be read.")},
        {"singular", {data("lone_node.kel")}, 2, "An error occured during the analysis process."},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        const ToolRun r = runTool(row.args);
        EXPECT_EQ(r.exitCode, row.exitCode);
        EXPECT_TRUE(r.err.contains(row.err)) << r.err.toStdString();
        if (row.exitCode != 0) {
            EXPECT_TRUE(r.out.isEmpty());
        }
    }
    // A failure told in a box and in the log is written once.
    const ToolRun r = runTool({data("bad_header.kel")});
    EXPECT_EQ(r.err.count(QStringLiteral("could not be read")), 1) << r.err.toStdString();
}

#ifdef Q_OS_LINUX
// A report that cannot be written is a failure, not a silent success: a
// full device, or a file that would pass the process's file-size limit (the
// tool itself ignores the signal that limit raises; the test resets it).
TEST(Kel2dReport, OutputThatCannotBeWrittenIsAFailure)
{
    QTemporaryDir dir;
    const struct {
        QString output;
        rlim_t sizeLimit; // 0: none
        const char *reason;
    } rows[] = {
        {QStringLiteral("/dev/full"), 0, "No space left on device"},
        {dir.filePath(QStringLiteral("report.txt")), 100, "File too large"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.reason);
        QProcess p;
        p.setStandardOutputFile(row.output);
        const rlim_t limit = row.sizeLimit;
        p.setChildProcessModifier([limit] {
            std::signal(SIGXFSZ, SIG_DFL);
            if (limit > 0) {
                rlimit l{};
                getrlimit(RLIMIT_FSIZE, &l);
                l.rlim_cur = limit;
                setrlimit(RLIMIT_FSIZE, &l);
            }
        });
        p.start(kTool, {data("small_example.kel")});
        ASSERT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), 74);
        EXPECT_TRUE(QString::fromLocal8Bit(p.readAllStandardError())
                        .contains(QStringLiteral("kel2d-report: the report could not be written: ")
                                  + QLatin1String(row.reason)));
    }
}
#endif

TEST(Kel2dReport, CommandLineErrorsShowTheUsage)
{
    const QString model = data("small_example.kel");
    const QString s = QStringLiteral("--sections");
    const struct {
        const char *what;
        QStringList args;
    } rows[] = {
        {"no model file", {}},
        {"two model files", {model, model}},
        {"empty model name", {QString()}},
        {"empty digits after =", {QStringLiteral("--sections="), model}},
        {"digit 5", {s, QStringLiteral("125"), model}},
        {"digit 0", {s, QStringLiteral("0"), model}},
        {"flag repeated", {s, QStringLiteral("1"), s, QStringLiteral("2"), model}},
        {"flag without value", {model, s}},
        {"unknown option", {QStringLiteral("--verbose"), model}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        const ToolRun r = runTool(row.args);
        EXPECT_EQ(r.exitCode, 64);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.startsWith(QStringLiteral("kel2d-report: "))) << r.err.toStdString();
        EXPECT_TRUE(
            r.err.contains(QStringLiteral("Usage: kel2d-report [--sections DIGITS] MODEL.kel")));
    }

    const ToolRun help = runTool({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: kel2d-report [--sections DIGITS] MODEL.kel\n"));
    EXPECT_TRUE(help.err.isEmpty());
}

} // namespace
