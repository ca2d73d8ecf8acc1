#include "reports/WorkbookExport.h"

#include "common/Interaction.h"
#include "common/PlatformServices.h"
#include "reports/ResultsGrid.h"
#include "reports/WorkbookLibrary.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <vector>

namespace {

const QString kExportFailed = QStringLiteral(
    "An error occured while trying to export file. The operation cannot be completed.");

QString reasonOf(const WorkbookLibrary &lib, lxw_error error)
{
    return QString::fromUtf8(lib.errorText(error));
}

// Every cell as text, and the longest text of each column.
lxw_error writeCells(const WorkbookLibrary &lib, lxw_worksheet *sheet, const ResultsGrid &grid,
                     std::vector<qsizetype> &longest)
{
    longest.assign(std::size_t(grid.columnCount()), 0);
    for (int r = 0; r < grid.rowCount(); ++r) {
        for (int c = 0; c < grid.columnCount(); ++c) {
            const QString &text = grid.cell(r, c).text;
            if (text.isEmpty())
                continue;
            longest[std::size_t(c)] = std::max(longest[std::size_t(c)], text.size());
            const lxw_error e = lib.writeString(sheet, lxw_row_t(r), lxw_col_t(c),
                                                text.toUtf8().constData(), nullptr);
            if (e != LXW_NO_ERROR)
                return e;
        }
    }
    return LXW_NO_ERROR;
}

lxw_error fillSheet(const WorkbookLibrary &lib, lxw_worksheet *sheet, const ResultsGrid &grid)
{
    std::vector<qsizetype> longest;
    const lxw_error e = writeCells(lib, sheet, grid, longest);
    if (e != LXW_NO_ERROR)
        return e;
    for (int c = 0; c < grid.columnCount(); ++c) {
        const lxw_error w = lib.setColumn(sheet, lxw_col_t(c), lxw_col_t(c),
                                          columnWidthFor(longest[std::size_t(c)]), nullptr);
        if (w != LXW_NO_ERROR)
            return w;
    }
    return LXW_NO_ERROR;
}

} // namespace

double columnWidthFor(qsizetype characters)
{
    // One unit is the width of a digit; a character more leaves a margin.
    return std::max(LXW_DEF_COL_WIDTH, double(characters) + 1.0);
}

std::optional<QString> writeWorkbook(const ResultsGrid &grid, const QString &path)
{
    // The library only says that it could not create the file; trying first
    // gives the system's reason.
    QFile probe(path);
    if (!probe.open(QIODevice::WriteOnly))
        return probe.errorString();
    probe.close();
    QString unavailable;
    const WorkbookLibrary *lib = workbookLibrary(unavailable);
    if (!lib) {
        QFile::remove(path);
        return unavailable;
    }
    const QByteArray file = QFile::encodeName(path);
    lxw_workbook *book = lib->workbookNew(file.constData());
    if (!book) {
        QFile::remove(path);
        return reasonOf(*lib, LXW_ERROR_MEMORY_MALLOC_FAILED);
    }
    const QByteArray sheetName = grid.title().toUtf8();
    lxw_worksheet *sheet =
        lib->addWorksheet(book, sheetName.isEmpty() ? nullptr : sheetName.constData());
    lxw_error error = sheet ? fillSheet(*lib, sheet, grid) : LXW_ERROR_PARAMETER_VALIDATION;
    // Closing writes the file and frees the workbook in every case.
    const lxw_error closed = lib->close(book);
    if (error == LXW_NO_ERROR)
        error = closed;
    if (error == LXW_NO_ERROR)
        return std::nullopt;
    QFile::remove(path);
    return reasonOf(*lib, error);
}

QString newExportFolder(const QString &root)
{
    QTemporaryDir dir(QDir(root).filePath(QStringLiteral("kel2d-export-XXXXXX")));
    if (!dir.isValid())
        return QString();
    dir.setAutoRemove(false);
    return dir.path();
}

bool ExportFlexGrid(Interaction &user, PlatformServices &services, const ResultsGrid &grid,
                    const QString &folder)
{
    if (folder.isEmpty()) {
        user.prompts().error(kExportFailed);
        return false;
    }
    const QString title = grid.title().isEmpty() ? grid.name() : grid.title();
    const QString path = QDir(folder).filePath(title + QStringLiteral(".xlsx"));
    if (const auto reason = writeWorkbook(grid, path)) {
        user.prompts().error(kExportFailed + QStringLiteral("\r\n") + *reason);
        return false;
    }
    if (services.openLocalFile(path))
        return true;
    user.prompts().error(kExportFailed + QStringLiteral("\r\nThe workbook was written to:\r\n")
                         + QDir::toNativeSeparators(path));
    return false;
}

void exportGridsToSpreadsheet(Interaction &user, PlatformServices &services,
                              std::span<const ResultsGrid *const> grids, const QString &root)
{
    if (grids.empty())
        return;
    const QString folder = newExportFolder(root);
    for (const ResultsGrid *grid : grids)
        ExportFlexGrid(user, services, *grid, folder);
}
