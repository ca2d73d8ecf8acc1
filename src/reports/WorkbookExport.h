#pragma once
// The grids of the data and results window go to the desktop's spreadsheet
// application: each grid becomes a workbook of its own, written to a
// folder that outlives the program and opened there, as an unsaved
// workbook would be left open for the user.
#include <QString>
#include <optional>
#include <span>

class Interaction;
class PlatformServices;
class ResultsGrid;

// Writes the grid as a workbook with one sheet named by the grid's title:
// the text of cell (r, c) as text in row r + 1, column c + 1, each column as
// wide as its longest text. Returns the reason when it could not be written
// (nothing is left at `path` then).
std::optional<QString> writeWorkbook(const ResultsGrid &grid, const QString &path);

// The width, in the spreadsheet's character units, of a column whose
// longest text has `characters` characters; never below the default width.
double columnWidthFor(qsizetype characters);

// A new folder under `root` for exported workbooks; empty when it cannot be
// made. It is not removed: the spreadsheet may still hold the files.
QString newExportFolder(const QString &root);

// One grid to the spreadsheet: "<title>.xlsx" in `folder`, opened with the
// desktop's default application. When it cannot be written, or nothing
// opens it, a box says so (with the file's path when it was written, so the
// work is not lost). Returns whether it was opened.
bool ExportFlexGrid(Interaction &user, PlatformServices &services, const ResultsGrid &grid,
                    const QString &folder);

// Each grid in turn, into one new folder under `root`.
void exportGridsToSpreadsheet(Interaction &user, PlatformServices &services,
                              std::span<const ResultsGrid *const> grids, const QString &root);
