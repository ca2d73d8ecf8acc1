// The main window's files: the model on the command line, Open and New, the
// recent files and closing. Which question is asked when is the core's.
#include "MainWindowFixture.h"
#include "common/RecentFiles.h"
#include "drawing/gui/PainterCanvas.h"

#include <QMenu>
#include <QTest>

namespace {

// The area's picture as painted now, against the picture a full redraw gives.
void expectPictureIsWhole(frmMain &w, DrawingArea *area)
{
    area->grab(); // paints the area
    const QImage painted = area->painterCanvas().image().copy();
    w.RedrawDrawingArea();
    EXPECT_EQ(area->painterCanvas().image(), painted);
}

// The model on the command line (the whole line is the name, blanks and all)
// is read once the window is on screen, so that a box about it sits over its
// window; whatever paints before or after shows the whole picture.
TEST_F(MainWindowTest, CommandLineModelIsReadOverTheShownWindow)
{
    const QString file = writeModel(QStringLiteral("my truss.kel"), 55.0f);
    const QString missing = path(QStringLiteral("no such file.kel"));
    for (const QString &name : {file, missing}) {
        frmMain &w = create(name);
        prompts.answers = {PromptAnswer::Ok};
        w.show();
        expectPictureIsWhole(w, area());
        EXPECT_EQ(prompts.answers.size(), 1u); // nothing read before the window shows
        if (name == file)
            prompts.answers.clear();
        QApplication::processEvents();
        expectPictureIsWhole(w, area());
    }
    EXPECT_EQ(prompts.messages().at(0).text,
              QStringLiteral("There was an error opening the file: No such file or directory"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Corvane Kel.2D - Untitled.kel"));
}

// Open and New take the old model's pointer coordinates away. New asks
// without an icon, marks the new model changed and starts from the stored
// settings, the switches following.
TEST_F(MainWindowTest, OpenAndNewClearTheCoordinatesNewTakesTheStoredSettings)
{
    writeStore("[Rithmiseis]\nnai_grid=False\nnai_omades=True\nkannab=0.5\n");
    const QString file = writeModel(QStringLiteral("m.kel"), 80.0f);
    frmMain &w = start();
    QPoint at(40, 40);
    const auto pointed = [&] {
        QTest::mouseMove(area(), at += QPoint(5, 5));
        return !panel("x")->text().isEmpty();
    };
    ASSERT_TRUE(pointed());
    prompts.files = {file};
    trigger("mnuOPENitem");
    EXPECT_EQ(ws().view.scale, 80.0f);
    EXPECT_EQ(panel("x")->text() + panel("y")->text(), QString());

    ASSERT_TRUE(pointed());
    truss::group(ws().model, 1, 1);
    ws().settings.nai_aksones = false;
    w.Button_Zoom();
    prompts.answers = {PromptAnswer::No};
    trigger("mnuNEWitem");
    EXPECT_EQ(prompts.shown.at(0).icon, PromptIcon::None);
    EXPECT_EQ(panel("x")->text() + panel("y")->text(), QString());
    EXPECT_EQ(ws().model.groupCount, 0);
    EXPECT_TRUE(ws().model.modelChanged);
    Settings expected;
    Load_Settings(expected, SettingsStore(storePath()));
    EXPECT_EQ(ws().settings, expected);
    EXPECT_EQ(std::tuple(statusSwitch("Kannabos")->isChecked(),
                         statusSwitch("Aksones")->isChecked(), w.viewMode(), ws().view.scale),
              std::tuple(false, true, ViewMode::None, 100.0f));
}

// The menu lists the opened models, the last first, and reopens them; a file
// gone since is told, logged in red and taken off the list, the model on
// screen staying. Zoomed, the view differs from the file: closing asks,
// Cancel keeps the window and the work in it, No closes.
TEST_F(MainWindowTest, RecentFilesMenuReopensModelsAndClosingAsks)
{
    const QString a = writeModel(QStringLiteral("a.kel")),
                  b = writeModel(QStringLiteral("b&c.kel"));
    start();
    QMenu *menu = window->recentFilesMenu();
    EXPECT_FALSE(menu->menuAction()->isEnabled());
    prompts.files = {a, b};
    trigger("mnuOPENitem");
    trigger("mnuOPENitem");
    QStringList texts;
    for (QAction *action : menu->actions())
        texts << action->text();
    EXPECT_EQ(texts, (QStringList{"&1 " + QString(b).replace("&", "&&"), "&2 " + a}));
    menu->actions().at(1)->trigger();
    EXPECT_EQ(ws().model.fileName, a);

    ASSERT_TRUE(QFile::remove(b));
    prompts.answers = {PromptAnswer::Ok};
    menu->actions().at(1)->trigger();
    const QString told =
        "The file '" + b + "' cannot be found. It has been removed from the list of recent files.";
    EXPECT_EQ(prompts.messages().at(0).text, told);
    EXPECT_EQ(std::pair(ws().log.entries().back().text, ws().log.entries().back().colour),
              std::pair(told, int(LogRed)));
    EXPECT_EQ(ws().model.fileName, a);
    EXPECT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(loadRecentFiles(SettingsStore(storePath())), QStringList{a});

    trigger("mnuZOOMEXTENTSitem");
    prompts.answers = {PromptAnswer::Cancel, PromptAnswer::No};
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->close());
    EXPECT_EQ(prompts.shown.back().icon, PromptIcon::Exclamation);
}

// The model named on the command line goes into the recent-file lists once
// the window has been painted, so that its first frame waits for no disk;
// a window closed before it was ever painted still lists it.
TEST_F(MainWindowTest, TheCommandLineModelIsListedAfterTheFirstFrame)
{
    const QString a = writeModel(QStringLiteral("a.kel"));
    for (const bool painted : {false, true}) {
        SCOPED_TRACE(painted);
        create(a).setUpdatesEnabled(painted);
        window->show();
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
        ASSERT_EQ(ws().model.fileName, a);
        EXPECT_EQ(loadRecentFiles(SettingsStore(storePath())),
                  painted ? QStringList{a} : QStringList{});
        EXPECT_TRUE(window->close());
        EXPECT_EQ(loadRecentFiles(SettingsStore(storePath())), QStringList{a});
        QFile::remove(storePath());
    }
}

} // namespace
