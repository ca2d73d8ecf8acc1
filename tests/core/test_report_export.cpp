// The text report against tests/data/report_sections.txt, and the report
// leaving the program: chosen sections, file name, saved bytes, printout.
#include "Fixtures.h"
#include "reports/ReportExport.h"
#include "reports/ReportSelection.h"
#include "reports/ReportText.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>
#include <tuple>

namespace {

using namespace truss;

// The four sections of the report model, one after the other; the file holds
// them with plain line ends.
TEST(ReportText, SectionsLineByLine)
{
    Workspace ws;
    reportModel(ws);
    QString all;
    for (int section = 1; section <= 4; ++section)
        all += Report_Text(ws.model, ws.results, section);
    const QByteArray expected = readBytes(QStringLiteral(KEL2D_TEST_DATA "/report_sections.txt"));
    ASSERT_FALSE(expected.isEmpty());
    // As lists of lines, so a failure points at the line.
    EXPECT_EQ(all.split(QStringLiteral("\r\n")), QString::fromLatin1(expected).split(u'\n'));
}

// A number longer than its field is cut to the field; a value that is not a
// finite number (a group changed to a zero area after the analysis) leaves
// its field empty instead of printing an infinity.
TEST(ReportText, LongAndNonFiniteValues)
{
    Workspace ws;
    reportModel(ws);
    ws.model.elements[1].ni = 123456789.0f;
    const QStringList elements = Report_Text(ws.model, ws.results, 1).split(QStringLiteral("\r\n"));
    EXPECT_EQ(elements[33], "1        1.23456     2            1       ");

    ws.model.groups[2].A = 0;
    const QStringList forces = Report_Text(ws.model, ws.results, 3).split(QStringLiteral("\r\n"));
    EXPECT_EQ(forces[5], "2       -20" + QString(22 + 50, QLatin1Char(' ')));

    ws.results.U[3] = std::numeric_limits<double>::infinity();
    const QStringList disp = Report_Text(ws.model, ws.results, 2).split(QStringLiteral("\r\n"));
    EXPECT_EQ(disp[5], "2                                -.4" + QString(22 + 25, QLatin1Char(' ')));
}

class ReportExport : public ::testing::Test {
protected:
    void SetUp() override { reportModel(ws); }
    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir;
    TestWorkspace ws;
};

TEST_F(ReportExport, ChosenSectionsFollowTheReportOrder)
{
    ReportSections s;
    s.chosen = {true, false, false, true};
    EXPECT_EQ(chosenReport(ws.model, ws.results, s),
              Report_Text(ws.model, ws.results, 1) + Report_Text(ws.model, ws.results, 4));
    s.chosen = {};
    EXPECT_FALSE(s.any());
    EXPECT_EQ(defaultSections().chosen, (std::array<bool, 4>{false, true, true, false}));
}

TEST_F(ReportExport, DefaultFileNameReplacesTheModelsExtension)
{
    EXPECT_EQ(defaultReportFileName("/home/eng/roof.v2.kel"), "/home/eng/roof.v2.txt");
    EXPECT_EQ(defaultReportFileName(QString()), QDir::current().filePath("Untitled.txt"));
    // A name of fewer than four characters never loses its folder.
    EXPECT_EQ(defaultReportFileName("/home/eng.d/ab"), "/home/eng.d/.txt");
}

// The file is the report and one more line end; a typed name gets the
// extension unless it ends in it, and asks before replacing that other file.
TEST_F(ReportExport, SavedFileIsTheReportAndOneMoreLineEnd)
{
    const QString report = Report_Text(ws.model, ws.results, 2);
    ws.model.fileName = path("truss.kel");
    ASSERT_TRUE(writeBytes(path("old.txt"), "keep me"));
    using A = PromptAnswer;
    const struct {
        const char *typed, *written;
        std::vector<PromptAnswer> replace;
    } cases[] = {{"notes.TXT", "notes.TXT.txt", {}},
                 {"old", nullptr, {A::No}},
                 {"old", "old.txt", {A::Yes}}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        ws.prompts.files.push_back(path(c.typed));
        ws.prompts.answers.assign(c.replace.begin(), c.replace.end());
        EXPECT_EQ(saveReportToFile(ws, ws.model.fileName, report), c.written != nullptr);
        const ShownPrompt &d = ws.prompts.shown[0];
        EXPECT_EQ(std::tuple(d.title, d.extra, d.location),
                  std::tuple(QStringLiteral("Save to file"),
                             QStringLiteral("Text files (*.txt);;All files (*)"),
                             path("truss.txt")));
        const QString asked = QDir::toNativeSeparators(path("old.txt"))
            + " already exists.\r\nDo you want to replace it?";
        EXPECT_EQ(ws.prompts.messages().size(), c.replace.size());
        if (!c.replace.empty()) {
            EXPECT_EQ(ws.prompts.messages()[0].text, asked);
        }
        ws.prompts.shown.clear();
        EXPECT_EQ(readBytes(path(c.written ? c.written : "old.txt")),
                  c.written ? (report + "\r\n").toUtf8() : QByteArray("keep me"));
    }
    // A cancelled dialog writes nothing and says nothing.
    ws.prompts.files.push_back(std::nullopt);
    EXPECT_FALSE(saveReportToFile(ws, QString(), QStringLiteral("other\r\n")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"notes.TXT.txt", "old.txt"}));
    EXPECT_TRUE(ws.log.entries().isEmpty());
}

TEST_F(ReportExport, FailureGivesTheSystemsReasonInABoxAndTheLog)
{
    ws.prompts.files.push_back(path("no such folder/report.txt"));
    ws.prompts.answers.push_back(PromptAnswer::Ok);
    EXPECT_FALSE(saveReportToFile(ws, QString(), QStringLiteral("report\r\n")));
    const QString told = ws.prompts.messages().at(0).text;
    EXPECT_TRUE(told.startsWith(
        QStringLiteral("There was an error saving the file: No such file or directory")))
        << qPrintable(told);
    EXPECT_EQ(std::pair(ws.log.entries().last().text, ws.log.entries().last().bold),
              std::pair(told, true));
    EXPECT_FALSE(QFile::exists(path("no such folder")));
}

TEST_F(ReportExport, PrintHandsOverTheLinesWithoutTheirEnds)
{
    FakeDesktop printer;
    const QString report = Report_Text(ws.model, ws.results, 4);
    EXPECT_TRUE(printReport(ws, printer, report));
    // The heading, an empty line, the header, the rule and the three held nodes.
    EXPECT_EQ(printer.printed, QList<QStringList>{report.split(QStringLiteral("\r\n")).first(7)});
    ASSERT_EQ(report.count(QStringLiteral("\r\n")), 7);

    printer.works = false;
    ws.prompts.answers.push_back(PromptAnswer::Ok);
    EXPECT_FALSE(printReport(ws, printer, report));
    EXPECT_EQ(ws.prompts.shown.at(0).text,
              QStringLiteral("An error occured while trying to print. The printing cannot "
                             "be completed"));
    EXPECT_TRUE(ws.log.entries().isEmpty()); // a print failure is not logged
}

} // namespace
