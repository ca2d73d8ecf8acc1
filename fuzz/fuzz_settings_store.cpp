// The settings store is a text file the user may edit by hand or damage:
// random INI text, huge, tiny and negative numbers, keys in any letter case.
// Whatever it holds, loading it must end without a crash, every value must
// lie in its field's range, and the View options dialog must accept every
// value it shows from what was loaded (its checks and the store's ranges
// agree).
#include "common/Registry.h"
#include "common/SettingsTable.h"
#include "common/ViewOptionsInput.h"

#include <QDateTime>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

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
        case SettingKind::Colour: check(v >= -2147483648.0 && v <= 4294967295.0); break;
        case SettingKind::Boolean: check(v == 0 || v == 1); break;
        }
    }
}

// The store file of this run. QSettings keeps a file it has read in a cache
// and reads it again only when its size or time changed, so every input is
// written with a time of its own; one name keeps the cache at one entry.
QString writeStore(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir folder;
    static qint64 run = 0;
    const QString path = folder.filePath(QStringLiteral("store.ini"));
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    check(file.flush());
    check(file.setFileTime(QDateTime::fromSecsSinceEpoch(1000000000 + ++run),
                           QFileDevice::FileModificationTime));
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = writeStore(data, size);
    Settings s;
    WindowPlacement p;
    {
        const SettingsStore store(path);
        Load_Settings(s, store);
        p = loadWindowPlacement(store);
    }

    checkInRange(s);
    check(p.state >= 0 && p.state <= 2);
    check(p.width > 0 && p.height > 0 && std::isfinite(p.width) && std::isfinite(p.height));

    // What the program loaded, shown in the dialog, passes its checks and
    // applies as values in range.
    const ViewOptionsInput shown = ViewOptionsInput::fromSettings(s);
    check(checkViewOptions(shown) == ViewOptionsCheck::Ok);
    checkInRange(shown.toSettings());
    return 0;
}
