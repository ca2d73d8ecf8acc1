#pragma once
// The spreadsheet writer library, opened the first time a workbook is
// written rather than when the program starts: it and the zip and crypto
// libraries it brings are needed for nothing else, and loading them costs
// every start time and memory.
#include <QString>
#include <xlsxwriter.h>

struct WorkbookLibrary {
    decltype(&workbook_new) workbookNew = nullptr;
    decltype(&workbook_add_worksheet) addWorksheet = nullptr;
    decltype(&worksheet_write_string) writeString = nullptr;
    decltype(&worksheet_set_column) setColumn = nullptr;
    decltype(&workbook_close) close = nullptr;
    decltype(&lxw_strerror) errorText = nullptr;
};

// The library's functions, opened once and kept for the program's life; null
// when it cannot be opened, with the system's reason in `reason`.
const WorkbookLibrary *workbookLibrary(QString &reason);
