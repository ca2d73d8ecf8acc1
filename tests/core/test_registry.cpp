#include "common/Registry.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <tuple>

namespace {

class Registry : public ::testing::Test {
protected:
    // QSettings caches a file by its size and time within the process, so a
    // case that rewrites the store takes a file name of its own.
    QString path() const { return m_dir.filePath(QStringLiteral("store%1.ini").arg(m_file)); }
    void freshFile() { ++m_file; }

    // The store as a user might have edited it by hand.
    void writeIni(const QByteArray &text)
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    QByteArray iniText() const
    {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    Settings loadFromIni(const QByteArray &text)
    {
        freshFile();
        writeIni(text);
        const SettingsStore store(path());
        Settings s;
        s.kannab = 99; // proves that every field is replaced
        Load_Settings(s, store);
        return s;
    }

    QTemporaryDir m_dir;
    int m_file = 0;
};

TEST_F(Registry, EmptyStoreGivesTheDefaultsAndStaysEmpty)
{
    {
        const SettingsStore store(path());
        Settings s;
        s.nai_grid = false;
        s.Animation_Frames = 5;
        Load_Settings(s, store);
        EXPECT_EQ(s, Settings{});
        EXPECT_EQ(s.xroma_background, -2147483634.0);
        EXPECT_EQ(s.xroma_grid, 14737632.0);
        EXPECT_EQ(s.dekadika_N, 3);
        EXPECT_EQ(s.Animation_Frames, 100);

        const WindowPlacement p = loadWindowPlacement(store);
        EXPECT_EQ(std::tuple(p.state, p.width, p.height), std::tuple(2, 667.0, 533.0));
        EXPECT_FALSE(p.left.has_value());
    }
    EXPECT_FALSE(QFileInfo::exists(path()));
}

TEST_F(Registry, ReadingNeverWritesToTheStore)
{
    const QByteArray text = "[Rithmiseis]\nnai_grid=false\nkannab=2,5\n[Startup]\nfrmM_W=abc\n";
    loadFromIni(text);
    loadWindowPlacement(SettingsStore(path()));
    EXPECT_EQ(iniText(), text);
}

TEST_F(Registry, StoredValuesAndTheirFallbacks)
{
    const struct {
        const char *line;
        Settings expected;
        // clang-format off
    } cases[] = {
        {"NAI_AKSONES=false", [] { Settings s; s.nai_aksones = false; return s; }()},
        {"nai_grid=FALSE", [] { Settings s; s.nai_grid = false; return s; }()},
        {"nai_springs=0", [] { Settings s; s.nai_springs = false; return s; }()},
        {"nai_springs=maybe", Settings{}},
        {"kannab=2.5", [] { Settings s; s.kannab = 2.5f; return s; }()},
        {"kannab=2,5", [] { Settings s; s.kannab = 2; return s; }()},
        {"kannab=0", Settings{}},
        {"kannab=1e300", Settings{}},
        {"ena_cm_posa_force=250units", [] { Settings s; s.Ena_cm_posa_FORCE = 250; return s; }()},
        {"Ena_cm_posa_FORCE=abc", Settings{}},
        {"Ena_cm_posa_STRAIN=1e-50", Settings{}},
        {"Ena_cm_posa_m_epi_1000=0", Settings{}},
        {"Animation_Frames=12.5xyz", [] { Settings s; s.Animation_Frames = 12; return s; }()},
        {"Animation_Frames=abc", Settings{}},
        {"Animation_Frames=0.4", Settings{}},
        {"Animation_Frames=1000", [] { Settings s; s.Animation_Frames = 1000; return s; }()},
        {"Animation_Frames=1001", Settings{}},
        {"dekadika_N=13", [] { Settings s; s.dekadika_N = 13; return s; }()},
        {"dekadika_N=0", [] { Settings s; s.dekadika_N = 0; return s; }()},
        {"dekadika_N=14", Settings{}},
        {"dekadika_strain=x", Settings{}},
        {"xroma_grid=&HE0E0E0", Settings{}},
        {"xroma_grid=&HFF0000", [] { Settings s; s.xroma_grid = 16711680; return s; }()},
        {"xroma_N=-2147483634", [] { Settings s; s.xroma_N = -2147483634.0; return s; }()},
        {"xroma_N=5e9", Settings{}},
        {"xroma_N=", Settings{}},
        {"Show_STRAIN=True", [] { Settings s; s.Show_STRAIN = true; return s; }()},
    };
    // clang-format on
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        const Settings s = loadFromIni(QByteArray("[Rithmiseis]\n") + c.line + "\n");
        EXPECT_EQ(s, c.expected);
    }
    // The section name in another letter case.
    EXPECT_EQ(loadFromIni("[rithmiseis]\nxroma_kombon=255\n").xroma_kombon, 255);
}

TEST_F(Registry, StoredTextReadsBackUnchanged)
{
    const QString texts[] = {"a,b",        "@Variant(x)", " padded ", "&HE0E0E0",   "say \"x\"",
                             "semi;colon", "1E-05",       "",         "back\\slash"};
    {
        SettingsStore store(path());
        for (int i = 0; i < int(std::size(texts)); ++i)
            store.setValue(kSettingsSection, QStringLiteral("k%1").arg(i), texts[i]);
        ASSERT_TRUE(store.sync());
    }
    const SettingsStore store(path());
    for (int i = 0; i < int(std::size(texts)); ++i) {
        SCOPED_TRACE(texts[i].toStdString());
        EXPECT_EQ(store.value(kSettingsSection, QStringLiteral("K%1").arg(i)), texts[i]);
    }
    EXPECT_FALSE(store.value(kSettingsSection, QStringLiteral("absent")).has_value());
    EXPECT_FALSE(store.value(kStartupSection, QStringLiteral("k0")).has_value());
}

TEST_F(Registry, WritingAKeyReplacesItsOtherSpellings)
{
    writeIni("[Rithmiseis]\nEna_cm_posa_STRESS=10000\n");
    {
        SettingsStore store(path());
        store.setValue(kSettingsSection, QStringLiteral("Ena_cm_posa_Stress"),
                       QStringLiteral("20000"));
        ASSERT_TRUE(store.sync());
    }
    EXPECT_FALSE(iniText().contains("STRESS"));
    const SettingsStore store(path());
    EXPECT_EQ(store.value(kSettingsSection, QStringLiteral("Ena_cm_posa_STRESS")), "20000");
}

TEST_F(Registry, WindowPlacementRoundTrip)
{
    const struct {
        WindowPlacement saved;
        WindowPlacement loaded;
    } cases[] = {
        {{2, 800.5, 600, 10, -20}, {2, 800.5, 600, 10, -20}},
        // A window that closes minimised reopens normal.
        {{1, 640, 480, 5, 6}, {0, 640, 480, 5, 6}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.saved.state);
        freshFile();
        {
            SettingsStore store(path());
            Save_Window_State(store, c.saved);
        }
        const WindowPlacement p = loadWindowPlacement(SettingsStore(path()));
        EXPECT_EQ(std::tuple(p.state, p.width, p.height, p.left, p.top),
                  std::tuple(c.loaded.state, c.loaded.width, c.loaded.height, c.loaded.left,
                             c.loaded.top));
    }
}

TEST_F(Registry, DamagedPlacementFallsBack)
{
    writeIni("[Startup]\nWindowState=7\nfrmM_W=abc\nfrmM_H=-5\nfrmM_L=x\nfrmM_T=12.5\n");
    const WindowPlacement p = loadWindowPlacement(SettingsStore(path()));
    EXPECT_EQ(std::tuple(p.state, p.width, p.height), std::tuple(2, 667.0, 533.0));
    EXPECT_FALSE(p.left.has_value());
    EXPECT_EQ(p.top, 12.5);
}

TEST_F(Registry, DefaultButtonWritesForms)
{
    ViewOptionsInput in;
    in.text(&Settings::Ena_cm_posa_STRAIN) = QStringLiteral("0.00001");
    in.text(&Settings::Ena_cm_posa_STRESS) = QStringLiteral(" 20000 units");
    in.text(&Settings::Animation_Frames) = QStringLiteral("2.5");
    in.flag(&Settings::nai_graf_stir) = false;
    in.flag(&Settings::nai_miki) = true;
    in.colour(&Settings::xroma_background) = 2147483662.0; // system colour 14 held unsigned
    in.colour(&Settings::Xroma_Thlipsis) = 65280;
    {
        SettingsStore store(path());
        ViewOptionsCheck failed = ViewOptionsCheck::GridSpacing;
        ASSERT_TRUE(writeDefaultSettings(store, in, &failed));
        EXPECT_EQ(failed, ViewOptionsCheck::Ok);
    }
    const QByteArray ini = iniText();
    const char *lines[] = {
        "Ena_cm_posa_Strain=1E-05",
        "Ena_cm_posa_Stress=20000",
        "Ena_cm_posa_FORCE=100",
        "Animation_Frames=2.5",
        "nai_graf_stir=False",
        "nai_aksones=True",
        "xroma_background=-2147483634",
        "xroma_grid=14737632",
        "Xroma_Thlipsis=65280",
        "dekadika_N=3",
        "kannab=1",
        "Show_STRESS=False",
    };
    for (const char *line : lines)
        EXPECT_TRUE(ini.contains(line)) << line << "\n" << ini.toStdString();

    // What the button wrote is what the next start-up loads, the frames
    // rounded as the field holds them.
    Settings s;
    Load_Settings(s, SettingsStore(path()));
    Settings expected;
    expected.Ena_cm_posa_STRAIN = 1e-5f;
    expected.Ena_cm_posa_STRESS = 20000;
    expected.nai_graf_stir = false;
    expected.nai_miki = true;
    expected.xroma_background = -2147483634.0;
    expected.Xroma_Thlipsis = 65280;
    expected.Animation_Frames = 2;
    EXPECT_EQ(s, expected);
}

TEST_F(Registry, RejectedValuesWriteNothing)
{
    using S = Settings;
    using C = ViewOptionsCheck;
    const struct {
        SettingMember field;
        const char *text;
        ViewOptionsCheck check;
    } cases[] = {
        {&S::Ena_cm_posa_FORCE, "0", C::ForceScale},
        {&S::Ena_cm_posa_STRESS, "abc", C::StressScale},
        {&S::Ena_cm_posa_STRAIN, "-1", C::StrainScale},
        {&S::Ena_cm_posa_m_epi_1000, "", C::DeformationScale},
        {&S::Animation_Frames, "1001", C::AnimationFrames},
        {&S::dekadika_N, "2.5", C::DecimalsNNotWhole},
        {&S::dekadika_N, "14", C::DecimalsNTooMany},
        {&S::dekadika_strain, "0.5", C::DecimalsStrainNotWhole},
        {&S::dekadika_strain, "99", C::DecimalsStrainTooMany},
        {&S::kannab, "0", C::GridSpacing},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        freshFile();
        ViewOptionsInput in;
        in.text(settingRow(c.field)) = QString::fromLatin1(c.text);
        SettingsStore store(path());
        ViewOptionsCheck failed = ViewOptionsCheck::Ok;
        EXPECT_FALSE(writeDefaultSettings(store, in, &failed));
        EXPECT_EQ(failed, c.check);
        EXPECT_EQ(checkViewOptions(in), c.check);
        store.sync();
        EXPECT_TRUE(iniText().isEmpty());
    }

    // Boundary values the dialog accepts.
    ViewOptionsInput edge;
    edge.text(&S::Animation_Frames) = QStringLiteral("1000");
    edge.text(&S::dekadika_N) = QStringLiteral("13");
    edge.text(&S::dekadika_strain) = QStringLiteral("0");
    edge.text(&S::Ena_cm_posa_FORCE) = QStringLiteral("1e-30");
    EXPECT_EQ(checkViewOptions(edge), ViewOptionsCheck::Ok);
}

} // namespace
