// The settings store: what it loads from text a user may have edited, and
// what the "Default" button writes.
#include "common/IniText.h"
#include "common/Registry.h"
#include "core/Fixtures.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The factory settings with one field changed.
template <typename T, typename V>
Settings with(T Settings::*field, V value)
{
    Settings s;
    s.*field = T(value);
    return s;
}

class Registry : public ::testing::Test {
protected:
    // QSettings caches a file by its size and time within the process, so
    // each store a test writes takes a name of its own.
    QString newPath() { return m_dir.filePath(QStringLiteral("store%1.ini").arg(++m_file)); }
    QString path() const { return m_dir.filePath(QStringLiteral("store%1.ini").arg(m_file)); }
    Settings load()
    {
        Settings s;
        s.kannab = 99; // proves that every field is replaced
        Load_Settings(s, SettingsStore(path()));
        return s;
    }

    QTemporaryDir m_dir;
    int m_file = 0;
};

// Reading never writes: an absent store stays absent, an edited one as it was.
TEST_F(Registry, StoredValuesAndTheirFallbacks)
{
    newPath();
    EXPECT_EQ(load(), Settings{});
    EXPECT_FALSE(QFileInfo::exists(path()));

    using S = Settings;
    const struct {
        const char *line;
        Settings expected;
    } cases[] = {
        // clang-format off
        {"NAI_AKSONES=false", with(&S::nai_aksones, false)},
        {"kannab=0", S{}},
        {"ena_cm_posa_force=250units", with(&S::Ena_cm_posa_FORCE, 250)},
        {"xroma_grid=&HFF0000", with(&S::xroma_grid, 16711680)},
        {"kannab=\"2,5\" ; comment", with(&S::kannab, 2)},
        // Kept as text, never decoded as a binary value: read as one, this
        // line asks for a list of gigabytes.
        {"kannab=@Variant(\\0\\0\\0\\t(\\0\\0x7f)", S{}},
        // clang-format on
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        const QByteArray text = QByteArray("[rithmiseis]\n") + c.line + "\n";
        ASSERT_TRUE(writeBytes(newPath(), text));
        EXPECT_EQ(load(), c.expected);
        EXPECT_EQ(readBytes(path()), text);
    }
}

TEST(IniText, KeysOutsideSectionsAndOddLinesReadBack)
{
    const QSettings::SettingsMap map{{"zeta", "1"}, {"A/k", " x;\"y\"\n"}, {"B/k", ""}};
    EXPECT_EQ(parseIniText(iniText(map)), map);
    EXPECT_EQ(iniText({{"S/k", "a b"}}), "[S]\nk=a b\n"); // quoted only where it must be
    EXPECT_EQ(parseIniText("[S]\nno equals\n=v\n# k=1\nk=1\nk = 2 ; c\n\"q\"=3\n[T\nt=\"a\\\"b"),
              (QSettings::SettingsMap{{"S/k", "2"}, {"S/\"q\"", "3"}, {"T/t", "a\"b"}}));
}

// What the button writes is what the next start-up loads, the frames rounded
// as the field holds them; a rejected value writes nothing.
TEST_F(Registry, DefaultButtonWritesWhatTheNextStartLoads)
{
    ViewOptionsInput in;
    in.text(&Settings::Ena_cm_posa_STRAIN) = QStringLiteral("0.00001");
    in.text(&Settings::Ena_cm_posa_STRESS) = QStringLiteral(" 20000 units");
    in.text(&Settings::Animation_Frames) = QStringLiteral("2.5");
    in.flag(&Settings::nai_graf_stir) = false;
    in.colour(&Settings::xroma_background) = 2147483662.0; // system colour 14 held unsigned
    {
        SettingsStore store(newPath());
        ViewOptionsCheck failed = ViewOptionsCheck::GridSpacing;
        ASSERT_TRUE(writeDefaultSettings(store, in, &failed) && failed == ViewOptionsCheck::Ok);
    }
    Settings expected = with(&Settings::Ena_cm_posa_STRAIN, 1e-5f);
    expected.Ena_cm_posa_STRESS = 20000, expected.nai_graf_stir = false,
    expected.Animation_Frames = 2;
    EXPECT_EQ(load(), expected);

    in.text(&Settings::dekadika_strain) = QStringLiteral("99");
    SettingsStore store(newPath());
    ViewOptionsCheck failed = ViewOptionsCheck::Ok;
    EXPECT_FALSE(writeDefaultSettings(store, in, &failed));
    EXPECT_EQ(failed, ViewOptionsCheck::DecimalsStrainTooMany); // the dialog points at it
    store.sync();
    EXPECT_TRUE(readBytes(path()).isEmpty());
}

} // namespace
