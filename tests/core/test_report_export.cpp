// The text report leaving the program: the sections chosen, the file name
// offered, the saved file's bytes, its failures, and the printout.
#include "Fixtures.h"
#include "reports/ReportExport.h"
#include "reports/ReportSelection.h"
#include "reports/ReportText.h"

#include "core/ScriptedPrompts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <tuple>

namespace {

using namespace truss;

class ReportExport : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        group(ws.model, 1000, 0.5);
        node(ws.model, 0, 0, 1, 1);
        node(ws.model, 1, 0, 0, 1, 3, 0);
        element(ws.model, 1, 2, 1);
        ws.results.U[3] = 0.006;
        ws.results.F[1] = {0, -3, 3};
    }
    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    TestWorkspace ws;
};

TEST_F(ReportExport, ChosenSectionsFollowTheReportOrder)
{
    const Model &m = ws.model;
    const AnalysisResults &r = ws.results;
    const struct {
        std::array<bool, 4> chosen;
        QString text;
    } cases[] = {
        {{false, false, false, false}, QString()},
        {{false, true, true, false}, Report_Text(m, r, 2) + Report_Text(m, r, 3)},
        {{true, false, false, false}, Report_Text(m, r, 1)},
        {{true, false, false, true}, Report_Text(m, r, 1) + Report_Text(m, r, 4)},
    };
    for (const auto &c : cases) {
        ReportSections s;
        s.chosen = c.chosen;
        EXPECT_EQ(s.any(), !c.text.isEmpty());
        EXPECT_EQ(chosenReport(m, r, s), c.text);
    }
    EXPECT_EQ(defaultSections().chosen, (std::array<bool, 4>{false, true, true, false}));
}

TEST_F(ReportExport, DefaultFileNameReplacesTheModelsExtension)
{
    const struct {
        QString model, offered;
    } cases[] = {
        {QStringLiteral("/home/eng/bridges/truss.kel"),
         QStringLiteral("/home/eng/bridges/truss.txt")},
        {QStringLiteral("/home/eng/roof.v2.kel"), QStringLiteral("/home/eng/roof.v2.txt")},
        {QString(), QDir::current().filePath(QStringLiteral("Untitled.txt"))},
        // A name of fewer than four characters never loses its folder.
        {QStringLiteral("/home/eng.d/ab"), QStringLiteral("/home/eng.d/.txt")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(defaultReportFileName(c.model), c.offered) << qPrintable(c.model);
}

TEST_F(ReportExport, SavedFileIsTheReportAndOneMoreLineEnd)
{
    const QString report = Report_Text(ws.model, ws.results, 2);
    ws.model.fileName = path("truss.kel");
    const struct {
        const char *typed, *written;
    } cases[] = {{"out.txt", "out.txt"}, {"plain", "plain.txt"}, {"notes.TXT", "notes.TXT.txt"}};
    for (const auto &c : cases) {
        ws.prompts.files.push_back(path(c.typed));
        EXPECT_TRUE(saveReportToFile(ws, ws.model.fileName, report));
        const QByteArray bytes = readBytes(path(c.written));
        EXPECT_EQ(bytes, (report + QStringLiteral("\r\n")).toUtf8()) << c.typed;
    }
    ASSERT_EQ(ws.prompts.shown.size(), 3u);
    const ShownPrompt &d = ws.prompts.shown[0];
    EXPECT_EQ(std::tuple(d.title, d.extra, d.location),
              std::tuple(QStringLiteral("Save to file"),
                         QStringLiteral("Text files (*.txt);;All files (*)"), path("truss.txt")));
    EXPECT_TRUE(ws.log.entries().isEmpty());
}

TEST_F(ReportExport, AnAddedExtensionAsksBeforeReplacingThatFileAndCancelDoesNothing)
{
    const QString existing = path("old.txt");
    ASSERT_TRUE(writeBytes(existing, "keep me"));

    ws.prompts.files.push_back(path("old"));
    ws.prompts.answers.push_back(PromptAnswer::No);
    EXPECT_FALSE(saveReportToFile(ws, QString(), QStringLiteral("report\r\n")));
    EXPECT_EQ(readBytes(existing), QByteArray("keep me"));
    ASSERT_EQ(ws.prompts.messages().size(), 1u);
    EXPECT_EQ(ws.prompts.messages()[0].text,
              QDir::toNativeSeparators(existing)
                  + QStringLiteral(" already exists.\r\nDo you want to replace it?"));
    EXPECT_EQ(ws.prompts.messages()[0].buttons, PromptButtons::YesNo);

    ws.prompts.files.push_back(path("old"));
    ws.prompts.answers.push_back(PromptAnswer::Yes);
    EXPECT_TRUE(saveReportToFile(ws, QString(), QStringLiteral("report\r\n")));
    EXPECT_EQ(readBytes(existing), QByteArray("report\r\n\r\n"));

    // A cancelled dialog writes nothing and says nothing.
    ws.prompts.shown.clear();
    ws.prompts.files.push_back(std::nullopt);
    EXPECT_FALSE(saveReportToFile(ws, QString(), QStringLiteral("other\r\n")));
    EXPECT_EQ(ws.prompts.shown.size(), 1u);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.txt"});
    EXPECT_TRUE(ws.log.entries().isEmpty());
}

TEST_F(ReportExport, FailureGivesTheSystemsReasonInABoxAndTheLog)
{
    const struct {
        QString typed;
        const char *reason;
    } cases[] = {
        {path("no such folder/report.txt"), "No such file or directory"},
        {dir.path() + QStringLiteral("/.txt"), ""}, // a folder of that name
    };
    QDir(dir.path()).mkdir(QStringLiteral(".txt"));
    for (const auto &c : cases) {
        ws.prompts.shown.clear();
        ws.prompts.files.push_back(c.typed);
        ws.prompts.answers.push_back(PromptAnswer::Ok);
        EXPECT_FALSE(saveReportToFile(ws, QString(), QStringLiteral("report\r\n")));
        ASSERT_EQ(ws.prompts.messages().size(), 1u);
        const ShownPrompt box = ws.prompts.messages()[0];
        EXPECT_TRUE(box.text.startsWith(QStringLiteral("There was an error saving the file: ")
                                        + QLatin1String(c.reason)))
            << qPrintable(box.text);
        EXPECT_GT(box.text.size(), 36);
        EXPECT_EQ(ws.log.entries().last().text, box.text);
        EXPECT_TRUE(ws.log.entries().last().bold);
    }
    EXPECT_FALSE(QFile::exists(path("no such folder")));
}

TEST_F(ReportExport, PrintHandsOverTheLinesWithoutTheirEnds)
{
    FakeDesktop printer;
    const QString report = Report_Text(ws.model, ws.results, 4);
    EXPECT_TRUE(printReport(ws, printer, report));
    ASSERT_EQ(printer.printed.size(), 1);
    const QStringList &lines = printer.printed[0];
    ASSERT_EQ(lines.size(), 6); // heading, empty line, header, rule, nodes 1 and 2
    EXPECT_EQ(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"), report);
    EXPECT_TRUE(ws.prompts.shown.empty());

    printer.works = false;
    ws.prompts.answers.push_back(PromptAnswer::Ok);
    EXPECT_FALSE(printReport(ws, printer, report));
    ASSERT_EQ(ws.prompts.messages().size(), 1u);
    EXPECT_EQ(
        ws.prompts.messages()[0].text,
        QStringLiteral("An error occured while trying to print. The printing cannot be completed"));
    EXPECT_TRUE(ws.log.entries().isEmpty()); // a print failure is not logged
}

} // namespace
