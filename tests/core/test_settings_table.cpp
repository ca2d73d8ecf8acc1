// The settings table drives the settings store and the model file: every
// field it lists must come back from both as it was written.
#include "common/Registry.h"
#include "common/SettingsTable.h"
#include "drawing/ViewTransform.h"
#include "files/ModelFileFormat.h"
#include "model/Model.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A value of the row's field other than its factory value, inside the range
// the program accepts and exact in the forms the store and the file write.
double changedValue(const SettingRow &row)
{
    switch (row.kind()) {
    case SettingKind::Boolean: return row.factory == 0 ? 1 : 0;
    case SettingKind::Single: return static_cast<float>(row.factory + 0.5);
    case SettingKind::Int16:
        return row.range.contains(row.factory + 1) ? row.factory + 1 : row.factory - 1;
    case SettingKind::Colour: break;
    }
    return row.factory + 1;
}

// The settings a model file's text holds.
Settings parsed(QByteArray bytes)
{
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    Model model;
    Settings back;
    ViewTransform view;
    EXPECT_FALSE(kelfile::parseModelFile(in, model, back, view).has_value());
    return back;
}

Settings throughTheStore(const Settings &s, const QString &path)
{
    {
        SettingsStore store(path);
        EXPECT_TRUE(writeDefaultSettings(store, ViewOptionsInput::fromSettings(s)));
    }
    Settings back;
    Load_Settings(back, SettingsStore(path));
    return back;
}

// Pass 0 keeps the factory values; in pass p > 0 the rows whose number (1,
// 2, ...) has bit p - 1 set are changed. Any two rows then hold different
// values in some pass, so a key or file line that reaches the wrong field
// shows, and so does a row that is never written or never read.
TEST(SettingsTable, EveryFieldSurvivesTheStoreAndTheModelFile)
{
    const auto rows = settingRows();
    QTemporaryDir dir;
    for (int pass = 0; pass == 0 || (1u << (pass - 1)) <= rows.size(); ++pass) {
        SCOPED_TRACE(pass);
        Settings s;
        for (const SettingRow &row : rows) {
            if (pass > 0 && ((settingRowIndex(row) + 1) >> (pass - 1) & 1))
                row.setValue(s, changedValue(row));
        }
        EXPECT_EQ(parsed(kelfile::modelFileBytes(Model{}, s, ViewTransform{})), s);
        EXPECT_EQ(throughTheStore(s, dir.filePath(QStringLiteral("store%1.ini").arg(pass))), s);
    }
}

} // namespace
