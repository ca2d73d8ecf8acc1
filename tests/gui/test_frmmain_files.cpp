// The file commands through the main window: which question each asks (the
// core decides when), and what New, Open, closing and Analyze leave behind.
#include "MainWindowFixture.h"

#include <QAction>
#include <QTest>

namespace {

QString question(const QString &file)
{
    return QStringLiteral("Do you want to save the changes you made to file: '%1'?").arg(file);
}

// Zoomed, the view differs from the file: closing asks, Cancel keeps the
// window open (its placement already stored), No closes.
TEST_F(MainWindowTest, ClosingAsksWithTheExclamationAndCancelKeepsTheWindow)
{
    const QString file = writeModel(QStringLiteral("m.kel"));
    frmMain &w = start(file);
    trigger("mnuZOOMEXTENTSitem");
    prompts.answers = {PromptAnswer::Cancel, PromptAnswer::No};

    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(SettingsStore(storePath()).value(kStartupSection, "WindowState").has_value());
    EXPECT_TRUE(w.close());
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[0].text, question(file));
    EXPECT_EQ(prompts.shown[0].icon, PromptIcon::Exclamation);
}

// New asks without an icon; after No every setting is the stored default,
// the view and the mode are the start-up ones and the switches follow.
TEST_F(MainWindowTest, NewAsksThenStartsFromTheStoredDefaults)
{
    writeStore("[Rithmiseis]\nnai_grid=False\nnai_omades=True\nkannab=0.5\n");
    frmMain &w = start();
    addGroup();
    ws().settings.nai_aksones = false;
    ws().view.scale = 250;
    w.Button_Zoom();
    prompts.answers = {PromptAnswer::No};

    trigger("mnuNEWitem");

    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, question(QStringLiteral("Untitled.kel")));
    EXPECT_EQ(prompts.shown[0].icon, PromptIcon::None);
    EXPECT_EQ(ws().model.groupCount, 0);
    EXPECT_TRUE(ws().model.modelChanged);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Corvane Kel.2D - Untitled.kel"));
    EXPECT_EQ(ws().log.entries().last().text, QStringLiteral("New file"));
    Settings expected;
    Load_Settings(expected, SettingsStore(storePath()));
    EXPECT_EQ(ws().settings, expected);
    EXPECT_FALSE(statusSwitch("Kannabos")->isChecked());
    EXPECT_TRUE(statusSwitch("Aksones")->isChecked());
    EXPECT_EQ(w.viewMode(), ViewMode::None);
    EXPECT_EQ(ws().view.scale, 100.0f);
    EXPECT_EQ(ws().view.historyIndex, 0);
}

TEST_F(MainWindowTest, OpenReplacesTheModelAndReturnsToTheModelView)
{
    const QString file = writeModel(QStringLiteral("m.kel"), 80.0f);
    frmMain &w = start();
    w.Button_Xeraki();
    QTest::mouseMove(area(), QPoint(40, 40));
    ASSERT_FALSE(panel("x")->text().isEmpty());
    prompts.files = {file};

    trigger("mnuOPENitem");

    EXPECT_EQ(ws().view.scale, 80.0f);
    EXPECT_EQ(w.viewMode(), ViewMode::None);
    EXPECT_FALSE(w.toolAction(QStringLiteral("Xeraki"))->isChecked());
    EXPECT_EQ(panel("mode")->text(), QStringLiteral(" Model"));
    // The pointer's coordinates in the old model's view are gone.
    EXPECT_EQ(panel("x")->text(), QString());
    EXPECT_EQ(panel("y")->text(), QString());
}

// The analysis through the tool bar leaves the button and the pointer as
// they were.
TEST_F(MainWindowTest, AnalyseRestoresTheButtonAndThePointer)
{
    frmMain &w = start(writeModel(QStringLiteral("m.kel")));
    w.toolAction(QStringLiteral("Epilisi"))->trigger();
    EXPECT_FALSE(ws().model.modelChanged);
    EXPECT_GT(ws().results.extrema.maxAbsN, 0.0);
    EXPECT_TRUE(w.toolAction(QStringLiteral("Epilisi"))->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
