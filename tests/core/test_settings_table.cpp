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

#include <algorithm>
#include <iterator>

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

// The settings block of a model file as the format fixes it, line by line.
// clang-format off
const char *const kBlockOrder[] = {
    "nai_aksones", "nai_grid", "nai_komboi", "nai_arithmisi_kombon", "nai_desmefseis",
    "nai_sint_kombon", "nai_stoixeia", "nai_arithmisi_stoixeion", "nai_omades", "nai_miki",
    "nai_fortiseis_si", "nai_times_fortiseon_si", "nai_times_N", "N_sin_Ina", "nai_graf_stir",
    "Nai_Apolites_Sint", "Nai_Sxetikes_Sint", "nai_springs", "Show_FORCE", "Show_STRESS",
    "Show_STRAIN", "dekadika_N", "dekadika_strain", "Ena_cm_posa_FORCE", "Ena_cm_posa_STRESS",
    "Ena_cm_posa_STRAIN", "(view scale)", "(view offsetX)", "(view offsetY)", "kannab",
    "Ena_cm_posa_m_epi_1000", "Animation_Frames", "xroma_background", "xroma_aksonon",
    "xroma_grid", "xroma_stoixeion", "xroma_kombon", "xroma_sigkentromenon", "xroma_N",
    "xroma_paramorfosis", "Xroma_Efelkismou", "Xroma_Thlipsis", "Xroma_Afortistou",
};
// clang-format on

// A round trip cannot see two settings that trade places in the file; a
// value put on each line of a written file must reach the field named there.
TEST(SettingsTable, EachLineOfTheFileBlockReachesItsField)
{
    const QByteArray written = kelfile::modelFileBytes(Model{}, Settings{}, ViewTransform{});
    const QList<QByteArray> lines = written.split('\n');
    const qsizetype first = lines.indexOf("Settings\r") + 1;
    ASSERT_GT(first, 0);
    const auto rows = settingRows();
    for (qsizetype k = 0; k < qsizetype(std::size(kBlockOrder)); ++k) {
        const QLatin1StringView key(kBlockOrder[k]);
        if (key.startsWith(u'('))
            continue; // the view, which the file tests cover
        SCOPED_TRACE(kBlockOrder[k]);
        const auto row = std::find_if(rows.begin(), rows.end(),
                                      [&](const SettingRow &r) { return key == r.key; });
        ASSERT_NE(row, rows.end());
        Settings expected;
        row->setValue(expected, changedValue(*row));

        QList<QByteArray> edited = lines;
        edited[first + k] = QByteArray::number(changedValue(*row), 'g', 17) + '\r';
        EXPECT_EQ(parsed(edited.join('\n')), expected);
    }
}

} // namespace
