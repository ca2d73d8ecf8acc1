// The command set of the main window: the command table, the status-bar
// switches and the LABELS menu, the log button and the help commands.
#include "MainWindowFixture.h"
#include "common/LabelPresets.h"
#include "ui/Commands.h"
#include "ui/LogView.h"

#include <QMenu>
#include <QSet>
#include <QTest>

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
            EXPECT_TRUE(std::any_of(menus.begin(), menus.end(), [&](const char *m) {
                return qstrcmp(m, row.menu) == 0;
            })) << row.menu;
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
    EXPECT_EQ(places.size(), 22);
}

// LABELS opens a menu whose items show the flags; its items change them.
TEST_F(MainWindowTest, LabelsSwitchOpensTheLabelsMenu)
{
    start();
    applyLabelPreset(ws().settings, LabelPreset::All);
    ws().settings.nai_arithmisi_kombon = false;
    auto *menu = statusSwitch("Times")->findChild<QMenu *>(QStringLiteral("labelsMenu"));
    QTest::mouseClick(statusSwitch("Times"), Qt::LeftButton);
    ASSERT_TRUE(menu->isVisible());
    for (QAction *a : menu->actions())
        if (a->isCheckable()) {
            EXPECT_EQ(a->isChecked(), a->text() != QStringLiteral("Nodes numbering"))
                << qPrintable(a->text());
        }
    menu->hide();
    for (const char *item : {"No labels", "Element lengths"})
        for (QAction *a : menu->actions())
            if (a->text() == QLatin1String(item))
                a->trigger();
    EXPECT_FALSE(ws().settings.nai_arithmisi_stoixeion);
    EXPECT_TRUE(ws().settings.nai_miki);
}

TEST_F(MainWindowTest, HidingAndShowingTheLogTwiceRestoresTheDrawingArea)
{
    frmMain &w = start();
    const int shownHeight = area()->height();
    const int rightEdge = w.infoButton()->geometry().right();
    for (int round = 0; round < 2; ++round)
        for (const auto &[text, name] : {std::pair{"<", "Show messages"}, {"x", "Hide messages"}}) {
            QTest::mouseClick(w.infoButton(), Qt::LeftButton);
            QApplication::processEvents();
            EXPECT_EQ(w.infoButton()->text() + w.infoButton()->accessibleName(),
                      QLatin1String(text) + QLatin1String(name));
            EXPECT_EQ(area()->height() == shownHeight, *text == 'x');
            // The button stays at the right edge, where the "x" was.
            EXPECT_EQ(w.infoButton()->geometry().right(), rightEdge);
        }
    // A hidden log still receives entries.
    w.setLogShown(false);
    ws().log.append(QStringLiteral("while hidden"));
    EXPECT_TRUE(w.logView()->toPlainText().endsWith(QStringLiteral("while hidden")));
}

// The help book opens from the program's files, or is missing and told;
// what the desktop fails to start is told and logged.
TEST_F(MainWindowTest, HelpAndToolsUseTheDesktopAndTellItsFailures)
{
    start();
    trigger("mnuCONTENTSitem");
    trigger("mnuWEBitem");
    ASSERT_EQ(services.files.size(), 1);
    EXPECT_TRUE(services.files[0].endsWith(QStringLiteral("/resources/help/index.html")));
    EXPECT_TRUE(QFile::exists(services.files[0]));
    EXPECT_EQ(services.urls.size(), 1);

    services.calculatorFound = services.succeed = false;
    prompts.answers = {PromptAnswer::Ok, PromptAnswer::Ok};
    trigger("mnuCALCULATORitem");
    trigger("mnuWEBitem");
    EXPECT_EQ(services.calculatorStarts, 1);
    EXPECT_TRUE(prompts.shown.at(0).text.contains(QStringLiteral("gnome-calculator")));
    EXPECT_EQ(prompts.shown.at(1).icon, PromptIcon::Critical);
    EXPECT_EQ(ws().log.entries().last().text, prompts.shown[1].text);
}

TEST_F(MainWindowTest, HelpBookMissingIsTold)
{
    prompts.answers = {PromptAnswer::Ok};
    start({}, path(QStringLiteral("nowhere"))).helpContents();
    EXPECT_TRUE(services.files.isEmpty());
    EXPECT_EQ(prompts.shown.at(0).icon, PromptIcon::Critical);
}

} // namespace
