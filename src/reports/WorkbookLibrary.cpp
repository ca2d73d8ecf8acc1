#include "reports/WorkbookLibrary.h"

#include <QLibrary>

namespace {

struct Opened {
    WorkbookLibrary functions;
    QString reason;
    bool ok = false;
};

template <typename Function>
bool resolve(QLibrary &library, const char *name, Function &out)
{
    out = reinterpret_cast<Function>(library.resolve(name));
    return out != nullptr;
}

Opened open()
{
    Opened o;
    // The soname the build was linked against; the versioned name, so that
    // an incompatible library of another major version is never picked up.
    QLibrary library(QStringLiteral(KEL2D_XLSXWRITER_NAME), KEL2D_XLSXWRITER_SONAME_VERSION);
    if (!library.load()) {
        o.reason = library.errorString();
        return o;
    }
    WorkbookLibrary &f = o.functions;
    o.ok = resolve(library, "workbook_new", f.workbookNew)
        && resolve(library, "workbook_add_worksheet", f.addWorksheet)
        && resolve(library, "worksheet_write_string", f.writeString)
        && resolve(library, "worksheet_set_column", f.setColumn)
        && resolve(library, "workbook_close", f.close)
        && resolve(library, "lxw_strerror", f.errorText);
    if (!o.ok)
        o.reason = library.errorString();
    // Never unloaded: QLibrary leaves the library loaded when it goes.
    return o;
}

} // namespace

const WorkbookLibrary *workbookLibrary(QString &reason)
{
    static const Opened opened = open();
    if (!opened.ok) {
        reason = opened.reason;
        return nullptr;
    }
    return &opened.functions;
}
