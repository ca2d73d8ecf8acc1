// The command set of the main window: the command table, the status-bar
// switches and the LABELS menu, the log button and the help commands.
#include "MainWindowFixture.h"
#include "common/LabelPresets.h"
#include "ui/Commands.h"

#include "ui/LogView.h"
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace {

TEST(CommandTable, RowsAreConsistent)
{
    QSet<QString> ids, toolKeys;
    QSet<int> places;
    const auto menus = knownMenus();
    for (const CommandRow &row : commandTable()) {
        SCOPED_TRACE(row.id);
        EXPECT_FALSE(ids.contains(QLatin1String(row.id)));
        ids.insert(QLatin1String(row.id));
        if (*row.icon) {
            EXPECT_TRUE(QFile::exists(iconPath(row))) << qPrintable(iconPath(row));
        }
        if (*row.menu) {
            EXPECT_NE(std::find_if(menus.begin(), menus.end(),
                                   [&](const char *m) { return qstrcmp(m, row.menu) == 0; }),
                      menus.end())
                << row.menu;
            EXPECT_TRUE(*row.caption);
        }
        // A view mode's switch runs on its checked state, not on a handler.
        EXPECT_FALSE(row.viewMode != ViewMode::None && row.handler);
        if (!*row.toolKey) {
            EXPECT_TRUE(*row.menu); // reachable somewhere
            continue;
        }
        EXPECT_FALSE(toolKeys.contains(QLatin1String(row.toolKey)));
        toolKeys.insert(QLatin1String(row.toolKey));
        EXPECT_GT(row.toolPlace, 0);
        EXPECT_FALSE(places.contains(row.toolPlace));
        places.insert(row.toolPlace);
        EXPECT_TRUE(*row.icon && *row.toolTip);
    }
    EXPECT_EQ(places.size(), 20);
}

TEST_F(MainWindowTest, LabelsButtonOpensTheMenuWhoseItemsFollowTheSettings)
{
    start();
    applyLabelPreset(ws().settings, LabelPreset::None);
    ws().settings.nai_miki = true;
    QMenu *menu = statusSwitch("Times")->findChild<QMenu *>(QStringLiteral("labelsMenu"));
    ASSERT_NE(menu, nullptr);

    QTest::mouseClick(statusSwitch("Times"), Qt::LeftButton);
    ASSERT_TRUE(menu->isVisible());
    for (QAction *a : menu->actions()) {
        if (a->isCheckable()) {
            EXPECT_EQ(a->isChecked(), a->text() == QStringLiteral("Element lengths"))
                << qPrintable(a->text());
        }
    }
    menu->hide();

    for (const char *item : {"Basic labels", "Nodes numbering"})
        for (QAction *a : menu->actions())
            if (a->text() == QLatin1String(item))
                a->trigger();
    EXPECT_FALSE(ws().settings.nai_arithmisi_kombon);
    EXPECT_TRUE(ws().settings.nai_arithmisi_stoixeion);
    EXPECT_FALSE(ws().settings.nai_miki);
}

TEST_F(MainWindowTest, AxesAndGridSwitchesToggleTheirOptionsByMouseAndKeyboard)
{
    start();
    for (const auto &[name, flag] : {std::pair{"Aksones", &Settings::nai_aksones},
                                     std::pair{"Kannabos", &Settings::nai_grid}}) {
        SCOPED_TRACE(name);
        StatusSwitch *s = statusSwitch(name);
        QTest::mouseClick(s, Qt::LeftButton);
        EXPECT_FALSE(ws().settings.*flag);
        EXPECT_FALSE(s->isChecked());
        s->setFocus();
        QTest::keyClick(s, Qt::Key_Space); // a switch that is off still takes the key
        EXPECT_TRUE(ws().settings.*flag);
        EXPECT_TRUE(s->isChecked());
    }
}

TEST_F(MainWindowTest, HidingAndShowingTheLogTwiceRestoresTheDrawingArea)
{
    frmMain &w = start();
    const int shownHeight = area()->height();
    const int rightEdge = w.infoButton()->geometry().right();
    EXPECT_EQ(w.infoButton()->text(), QStringLiteral("x"));

    for (int round = 0; round < 2; ++round) {
        QTest::mouseClick(w.infoButton(), Qt::LeftButton);
        QApplication::processEvents();
        EXPECT_EQ(w.infoButton()->text(), QStringLiteral("<"));
        EXPECT_EQ(w.infoButton()->accessibleName(), QStringLiteral("Show messages"));
        EXPECT_FALSE(w.isLogShown());
        EXPECT_GT(area()->height(), shownHeight);
        // The button stays at the right edge, where the "x" was.
        EXPECT_EQ(w.infoButton()->geometry().right(), rightEdge);

        QTest::mouseClick(w.infoButton(), Qt::LeftButton);
        QApplication::processEvents();
        EXPECT_EQ(w.infoButton()->text(), QStringLiteral("x"));
        EXPECT_EQ(w.infoButton()->accessibleName(), QStringLiteral("Hide messages"));
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
    start({}, path(QStringLiteral("nowhere"))).helpContents();
    EXPECT_TRUE(services.files.isEmpty());
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(prompts.messages()[0].icon, PromptIcon::Critical);
}

} // namespace
