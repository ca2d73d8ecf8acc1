// The grids as workbooks read back with openpyxl, and the export that opens
// them, with its failures.
#include "Fixtures.h"
#include "analysis/Functions_Bres_Megista.h"
#include "reports/ResultsGrid.h"
#include "reports/WorkbookExport.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>

namespace {

using namespace truss;

QJsonObject readBack(const QString &xlsx)
{
    QProcess python;
    python.start(QStringLiteral(KEL2D_TEST_PYTHON), {QStringLiteral(KEL2D_WORKBOOK_READER), xlsx});
    EXPECT_TRUE(python.waitForFinished(60000));
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

class WorkbookExport : public ::testing::Test {
protected:
    // The report model with a displacement as long as the plain form makes one.
    void SetUp() override
    {
        reportModel(ws);
        ws.results.U[5] = -DBL_MAX;
        ws.results.extrema = findExtrema(ws.model, ws.results);
    }
    QTemporaryDir dir;
    TestWorkspace ws;
    FakeDesktop desktop;
};

TEST_F(WorkbookExport, EveryCellReadsBackAsTextUnderTheGridsTitle)
{
    for (int id = 0; id < kGridCount; ++id) {
        const ResultsGrid grid = gridCells(GridId(id), ws.model, ws.results);
        SCOPED_TRACE(qPrintable(grid.title()));
        const QString file = dir.filePath(grid.name() + QStringLiteral(".xlsx"));
        ASSERT_EQ(writeWorkbook(grid, file), std::nullopt);

        const QJsonObject book = readBack(file);
        QJsonObject cells;
        const QJsonObject widths = book["widths"].toObject();
        for (int c = 0; c < grid.columnCount(); ++c) {
            qsizetype longest = 0;
            for (int r = 0; r < grid.rowCount(); ++r) {
                const QString text = grid.cell(r, c).text;
                longest = std::max(longest, text.size());
                if (!text.isEmpty())
                    cells[QChar(u'A' + c) + QString::number(r + 1)] = QJsonArray{text, "s"};
            }
            // Every column is made wide enough for its longest text.
            EXPECT_GT(widths[QString(QChar(u'A' + c))].toDouble(), double(longest)) << c;
        }
        EXPECT_EQ(book["sheets"].toArray(), QJsonArray{grid.title()});
        EXPECT_EQ(book["cells"].toObject(), cells);
    }
}

TEST_F(WorkbookExport, EachGridOpensAsAWorkbookOfItsOwnInOneNewFolder)
{
    const ResultsGrid data = dataGridCells(ws.model);
    const ResultsGrid forces = elementsGridCells(ws.model, ws.results);
    const ResultsGrid *grids[] = {&data, &forces};
    exportGridsToSpreadsheet(ws, desktop, grids, dir.path());

    ASSERT_EQ(desktop.opened.size(), 2);
    const QDir folder = QFileInfo(desktop.opened[0]).dir();
    EXPECT_EQ(QFileInfo(folder.path()).dir(), QDir(dir.path()));
    EXPECT_EQ(std::pair(desktop.opened, folder.entryList(QDir::Files)),
              std::pair(QStringList{folder.filePath("Model data.xlsx"),
                                    folder.filePath("Element forces.xlsx")},
                        QStringList{"Element forces.xlsx", "Model data.xlsx"}));

    // A second export never writes over the first one's files.
    exportGridsToSpreadsheet(ws, desktop, grids, dir.path());
    ASSERT_EQ(desktop.opened.size(), 4);
    EXPECT_NE(QFileInfo(desktop.opened[2]).dir(), folder);
}

TEST_F(WorkbookExport, FailuresNameWhatWasLostOrKept)
{
    const ResultsGrid forces = elementsGridCells(ws.model, ws.results);
    const QString failed = QStringLiteral(
        "An error occured while trying to export file. The operation cannot be completed.");

    // Nothing opens the workbook: it stays where it was written, and the
    // message says where.
    desktop.works = false;
    ws.prompts.answers = {PromptAnswer::Ok, PromptAnswer::Ok};
    const QString folder = newExportFolder(dir.path());
    EXPECT_FALSE(ExportFlexGrid(ws, desktop, forces, folder));
    const QString file = QDir(folder).filePath(QStringLiteral("Element forces.xlsx"));
    EXPECT_TRUE(QFileInfo::exists(file));
    EXPECT_EQ(ws.prompts.shown.at(0).text,
              failed + "\r\nThe workbook was written to:\r\n" + QDir::toNativeSeparators(file));

    // The workbook cannot be written: nothing is opened and nothing left.
    const QString gone = dir.filePath(QStringLiteral("gone"));
    EXPECT_FALSE(ExportFlexGrid(ws, desktop, forces, gone));
    EXPECT_EQ(desktop.opened.size(), 1);
    EXPECT_EQ(ws.prompts.shown.at(1).text, failed + "\r\nNo such file or directory");
    EXPECT_FALSE(QFileInfo::exists(gone));
}

} // namespace
