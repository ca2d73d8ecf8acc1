// The settings store is a text file the user may edit by hand or damage:
// random INI text, huge, tiny and negative numbers, keys in any letter case.
// Whatever it holds, loading it must end without a crash, every value must
// lie in its field's range, and the View options dialog must accept every
// value it shows from what was loaded (its checks and the store's ranges
// agree).
#include "common/Registry.h"
#include "common/SettingsTable.h"
#include "common/ViewOptionsInput.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

void checkInRange(const Settings &s)
{
    for (const SettingRow &row : settingRows()) {
        const double v = row.value(s);
        check(std::isfinite(v));
        switch (row.kind()) {
        case SettingKind::Single:
        case SettingKind::Int16:
            check(row.range.contains(v));
            check(row.held(v) == v);
            break;
        case SettingKind::Colour:
            check(v >= -2147483648.0 && v <= 4294967295.0);
            break;
        case SettingKind::Boolean:
            check(v == 0 || v == 1);
            break;
        }
    }
}

// QSettings caches a file by its name, size and time within the process, so
// every input gets a file name of its own.
QString nextPath()
{
    static const QString folder = QDir::tempPath() + QStringLiteral("/kel2d-fuzz-settings-")
        + QString::number(QCoreApplication::applicationPid());
    static unsigned long long count = 0;
    QDir().mkpath(folder);
    return folder + QStringLiteral("/store%1.ini").arg(++count);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = nextPath();
    {
        QFile file(path);
        check(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    Settings s;
    WindowPlacement p;
    {
        const SettingsStore store(path);
        Load_Settings(s, store);
        p = Load_Window_Placement(store);
    }
    QFile::remove(path);

    checkInRange(s);
    check(p.state >= 0 && p.state <= 2);
    check(p.width > 0 && p.height > 0 && std::isfinite(p.width) && std::isfinite(p.height));

    // What the program loaded, shown in the dialog, passes its checks and
    // applies as values in range.
    const ViewOptionsInput shown = ViewOptionsInput::fromSettings(s);
    check(Check_View_Options(shown) == ViewOptionsCheck::Ok);
    checkInRange(shown.toSettings());
    return 0;
}
