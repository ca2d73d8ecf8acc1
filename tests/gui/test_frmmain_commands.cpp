// The command set of the main window: tool bar, menus, status panels, the
// LABELS menu, the log button and the help commands.
#include "MainWindowFixture.h"

#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>
#include <QToolBar>
#include "ui/LogView.h"

namespace {

TEST_F(MainWindowTest, LabelsPresetsAndFlags)
{
    const struct {
        std::vector<const char *> clicks;   // LABELS menu items, in order
        std::array<bool, 7> expected;       // numbers, coords, elements, groups, lengths, loads, [N]
    } rows[] = {
        {{"All labels"}, {true, true, true, true, true, true, true}},
        {{"All labels", "Basic labels"}, {true, false, true, false, false, true, true}},
        {{"No labels"}, {false, false, false, false, false, false, false}},
        {{"Basic labels", "Nodes numbering"}, {false, false, true, false, false, true, true}},
        {{"No labels", "Element lengths"}, {false, false, false, false, true, false, false}},
    };
    for (const auto &c : rows) {
        SCOPED_TRACE(c.clicks.back());
        frmMain &w = start();
        for (const char *caption : c.clicks) {
            QAction *item = nullptr;
            for (QAction *a : w.labelsMenu()->actions())
                if (a->text() == QString::fromLatin1(caption))
                    item = a;
            ASSERT_NE(item, nullptr) << caption;
            item->trigger();
        }
        const Settings &s = ws().settings;
        EXPECT_EQ((std::array<bool, 7>{s.nai_arithmisi_kombon, s.nai_sint_kombon,
                                       s.nai_arithmisi_stoixeion, s.nai_omades, s.nai_miki,
                                       s.nai_times_fortiseon_si, s.nai_times_N}),
                  c.expected);
    }
}

TEST_F(MainWindowTest, LabelsMenuChecksFollowTheSettings)
{
    frmMain &w = start();
    w.applyLabelPreset(frmMain::LabelPreset::None);
    ws().settings.nai_miki = true;
    QTest::mouseClick(w.statusPanel(QStringLiteral("Times")), Qt::LeftButton);
    ASSERT_TRUE(w.labelsMenu()->isVisible());
    for (QAction *a : w.labelsMenu()->actions()) {
        if (a->isCheckable()) {
            EXPECT_EQ(a->isChecked(), a->text() == QStringLiteral("Element lengths")) << qPrintable(a->text());
        }
    }
    w.labelsMenu()->hide();
}

TEST_F(MainWindowTest, AxesAndGridPanelsToggleTheirOptions)
{
    frmMain &w = start();
    for (const auto &[name, flag] : {std::pair{"Aksones", &Settings::nai_aksones},
                                     std::pair{"Kannabos", &Settings::nai_grid}}) {
        SCOPED_TRACE(name);
        StatusPanel *panel = w.statusPanel(QString::fromLatin1(name));
        QTest::mouseClick(panel, Qt::LeftButton);
        EXPECT_FALSE(ws().settings.*flag);
        EXPECT_FALSE(panel->isLit());
        QTest::mouseClick(panel, Qt::LeftButton);   // a dimmed panel still takes clicks
        EXPECT_TRUE(ws().settings.*flag);
        EXPECT_TRUE(panel->isLit());
    }
}

TEST_F(MainWindowTest, HidingAndShowingTheLogTwiceRestoresTheDrawingArea)
{
    frmMain &w = start();
    const int shownHeight = area()->height();
    EXPECT_EQ(w.infoButton()->text(), QStringLiteral("x"));

    for (int round = 0; round < 2; ++round) {
        QTest::mouseClick(w.infoButton(), Qt::LeftButton);
        QApplication::processEvents();
        EXPECT_EQ(w.infoButton()->text(), QStringLiteral("<"));
        EXPECT_FALSE(w.isLogShown());
        EXPECT_GT(area()->height(), shownHeight);

        QTest::mouseClick(w.infoButton(), Qt::LeftButton);
        QApplication::processEvents();
        EXPECT_EQ(w.infoButton()->text(), QStringLiteral("x"));
        EXPECT_EQ(area()->height(), shownHeight);
    }
    // A hidden log still receives entries.
    w.setLogShown(false);
    ws().log.append(QStringLiteral("while hidden"));
    EXPECT_TRUE(w.logView()->toPlainText().endsWith(QStringLiteral("while hidden")));
}

TEST_F(MainWindowTest, HelpCommandsUseTheDesktop)
{
    start();
    trigger("mnuCONTENTSitem");
    ASSERT_EQ(services.files.size(), 1);
    EXPECT_TRUE(services.files[0].endsWith(QStringLiteral("/resources/help/index.html")));
    EXPECT_TRUE(QFile::exists(services.files[0]));

    trigger("mnuWEBitem");
    EXPECT_EQ(services.urls, QStringList{QStringLiteral("https://www.corvane.example/kel2d")});
}

TEST_F(MainWindowTest, FailuresOfTheDesktopAreToldAndLogged)
{
    start();
    services.calculatorFound = false;
    services.succeed = false;

    trigger("mnuCALCULATORitem");
    trigger("mnuWEBitem");

    const auto boxes = prompts.messages();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(services.calculatorStarts, 1);
    EXPECT_EQ(boxes[0].icon, PromptIcon::Exclamation);
    EXPECT_TRUE(boxes[0].text.contains(QStringLiteral("gnome-calculator")));
    EXPECT_EQ(boxes[1].icon, PromptIcon::Critical);
    EXPECT_EQ(ws().log.entries().last().colour, LogRed);
    EXPECT_EQ(ws().log.entries().last().text, boxes[1].text);
}

TEST_F(MainWindowTest, HelpBookMissingIsReported)
{
    start({}, path(QStringLiteral("nowhere"))).Help_Contents();
    EXPECT_TRUE(services.files.isEmpty());
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(prompts.messages()[0].icon, PromptIcon::Critical);
}

} // namespace
