// The file commands through the main window: when the save question comes,
// and what New, Open and closing leave behind.
#include "MainWindowFixture.h"

#include <QAction>
#include <QTest>

namespace {

QString namedQuestion(const QString &file)
{
    return QStringLiteral("Do you want to save the changes you made to file: '") + file
        + QStringLiteral("'?");
}
const QString kUntitledQuestion =
    QStringLiteral("Do you want to save the changes you made to file: 'Untitled.kel'?");

// Opened and closed unchanged: no question; zoomed, the view differs from
// the file and the question comes.
TEST_F(MainWindowTest, ClosingAsksOnlyWhenTheViewOrModelChanged)
{
    for (const bool zoom : {false, true}) {
        SCOPED_TRACE(zoom);
        prompts.shown.clear();
        const QString file = writeModel(QStringLiteral("m.kel"));
        frmMain &w = start(file);
        if (zoom)
            trigger("mnuZOOMEXTENTSitem");
        prompts.answers = {PromptAnswer::No};

        EXPECT_TRUE(w.close());
        const auto boxes = prompts.messages();
        ASSERT_EQ(boxes.size(), zoom ? 1u : 0u);
        if (zoom) {
            EXPECT_EQ(boxes[0].text, namedQuestion(file));
            EXPECT_EQ(boxes[0].icon, PromptIcon::Exclamation);
        }
    }
}

TEST_F(MainWindowTest, CancelAtClosingKeepsTheWindowOpen)
{
    frmMain &w = start();
    addGroup();
    prompts.answers = {PromptAnswer::Cancel};

    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(prompts.messages()[0].text, kUntitledQuestion);
    // The placement was stored before the question.
    EXPECT_TRUE(SettingsStore(storePath())
                    .value(kStartupSection, QStringLiteral("WindowState"))
                    .has_value());
}

struct NewCase {
    const char *name;
    bool fileDeleted; // a named model whose file has gone
    bool oneGroup;    // an untitled model with one group
    bool expectQuestion;
};

class NewModelQuestion : public MainWindowTest, public ::testing::WithParamInterface<NewCase> {};

TEST_P(NewModelQuestion, AsksOnlyWhenWorkWouldBeLost)
{
    const NewCase &c = GetParam();
    QString file;
    if (c.fileDeleted) {
        file = writeModel(QStringLiteral("m.kel"));
        start(file);
        ASSERT_TRUE(QFile::remove(file));
    } else {
        start();
        if (c.oneGroup)
            addGroup();
    }
    prompts.answers = {PromptAnswer::No};

    trigger("mnuNEWitem");

    const auto boxes = prompts.messages();
    ASSERT_EQ(boxes.size(), c.expectQuestion ? 1u : 0u);
    if (c.expectQuestion) {
        EXPECT_EQ(boxes[0].text, c.fileDeleted ? namedQuestion(file) : kUntitledQuestion);
        EXPECT_EQ(boxes[0].icon, PromptIcon::None);
    }
    EXPECT_EQ(ws().model.nodeCount, 0);
    EXPECT_EQ(ws().model.groupCount, 0);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Corvane Kel.2D - Untitled.kel"));
    EXPECT_EQ(ws().log.entries().last().text, QStringLiteral("New file"));
}

INSTANTIATE_TEST_SUITE_P(Cases, NewModelQuestion,
                         ::testing::Values(NewCase{"EmptyUntitled", false, false, false},
                                           NewCase{"UntitledWithOneGroup", false, true, true},
                                           NewCase{"ModelFileDeletedOnDisk", true, false, true}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, AfterNewEverySettingIsTheStoredDefault)
{
    writeStore("[Rithmiseis]\nnai_grid=False\nnai_omades=True\nkannab=0.5\n");
    // The model file carries other settings than the store.
    frmMain &w = start(writeModel(QStringLiteral("m.kel")));
    ws().settings.nai_miki = true;
    ws().settings.nai_aksones = false;
    w.Button_Zoom();
    prompts.answers = {PromptAnswer::No};

    trigger("mnuNEWitem");

    Settings expected;
    SettingsStore store(storePath());
    Load_Settings(expected, store);
    EXPECT_EQ(ws().settings, expected);
    EXPECT_FALSE(ws().settings.nai_grid);
    EXPECT_TRUE(ws().settings.nai_omades);
    EXPECT_FALSE(statusSwitch("Kannabos")->isChecked());
    EXPECT_TRUE(statusSwitch("Aksones")->isChecked());
    EXPECT_EQ(w.viewMode(), ViewMode::None);
    EXPECT_EQ(ws().view.scale, 100.0f);
    EXPECT_EQ(ws().view.offsetX, -2.0);
    EXPECT_EQ(ws().view.offsetY, 2.0);
    EXPECT_EQ(ws().view.historyIndex, 0);
    EXPECT_TRUE(ws().model.modelChanged);
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
    EXPECT_TRUE(ws().model.modelChanged);
    EXPECT_EQ(w.viewMode(), ViewMode::None);
    EXPECT_FALSE(w.toolAction(QStringLiteral("Xeraki"))->isChecked());
    EXPECT_EQ(panel("mode")->text(), QStringLiteral(" Model"));
    // The pointer's coordinates in the old model's view are gone.
    EXPECT_EQ(panel("x")->text(), QString());
    EXPECT_EQ(panel("y")->text(), QString());
}

// ------------------------------------------------------------- analysis

int analysisRuns(const Workspace &ws)
{
    int runs = 0;
    for (const LogEntry &e : ws.log.entries())
        runs += e.text == QStringLiteral("ANALYSIS");
    return runs;
}

TEST_F(MainWindowTest, AnalyseThenReanalyseAnsweredNoKeepsTheOldResults)
{
    frmMain &w = start(writeModel(QStringLiteral("m.kel")));
    w.toolAction(QStringLiteral("Epilisi"))->trigger();
    EXPECT_EQ(analysisRuns(ws()), 1);
    EXPECT_FALSE(ws().model.modelChanged);
    // The button and the pointer are left as they were.
    EXPECT_TRUE(w.toolAction(QStringLiteral("Epilisi"))->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    const AnalysisResults before = ws().results;
    ws().model.nodes[3].fy = -50;
    ws().model.modelChanged = true;
    prompts.answers = {PromptAnswer::No};

    w.Ask_Reanalyse();

    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(analysisRuns(ws()), 1);
    EXPECT_EQ(ws().results.U, before.U);
    EXPECT_EQ(ws().results.F, before.F);

    prompts.answers = {PromptAnswer::Yes};
    w.Ask_Reanalyse();
    EXPECT_EQ(analysisRuns(ws()), 2);
    EXPECT_NE(ws().results.U, before.U);
}

TEST_F(MainWindowTest, LoneNodeDeletedLeavesNothingToAnalyse)
{
    frmMain &w = start();
    ws().model.nodes[1] = Node{1, 1, 0, 0, 0, 0};
    ws().model.nodeCount = 1;
    prompts.answers = {PromptAnswer::Yes};

    w.Button_Epilisi();

    EXPECT_EQ(ws().model.nodeCount, 0);
    EXPECT_EQ(analysisRuns(ws()), 0);
    EXPECT_EQ(ws().log.entries().last().text, QStringLiteral("Node deleted: #1."));
}

} // namespace
