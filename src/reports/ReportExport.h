#pragma once
// The text report leaves the program: saved as a text file or printed. (The
// clipboard copy is the window's own; the grids go to a spreadsheet through
// WorkbookExport.)
#include <QString>
#include <QStringList>

class Interaction;
class PlatformServices;

// The name the save dialog offers: the model's file name with its last
// four characters (".kel") replaced by ".txt", in the model's folder;
// "Untitled.txt" in the current folder for an untitled model.
QString defaultReportFileName(const QString &modelFileName);

// Asks for a file name (".txt" is appended when the name does not end in
// it) and writes the report followed by one more CR LF, atomically. A
// cancelled dialog does nothing; a failure is told in a box and in the log
// with the system's reason. Returns whether the file was written.
bool saveReportToFile(Interaction &user, const QString &modelFileName, const QString &report);

// The report's lines without their line ends.
QStringList reportLines(const QString &report);

// Prints the report on the default printer; with no printer, or when the
// printing fails, says so in a box. Returns whether it was printed.
bool printReport(Interaction &user, PlatformServices &services, const QString &report);
