// Start-up and shutdown of the main window: caption, greeting, view,
// settings, the model on the command line and the window placement.
#include "MainWindowFixture.h"

#include <QDate>
#include <QLocale>
#include <QScreen>

namespace {

TEST_F(MainWindowTest, StartsUntitledWithTheGreetingAndTheInitialView)
{
    frmMain &w = start();

    EXPECT_EQ(w.windowTitle(), QStringLiteral("Corvane Kel.2D - Untitled.kel"));

    const auto &log = ws().log.entries();
    ASSERT_GE(log.size(), 4);
    EXPECT_EQ(log[0].text, QStringLiteral("Corvane Kel.2D v1.0 - Linear static analysis of plane trusses program"));
    EXPECT_TRUE(log[0].bold);
    EXPECT_EQ(log[0].colour, LogDarkBlue);
    EXPECT_TRUE(log[0].stayOnLine);
    EXPECT_TRUE(log[1].text.startsWith(QStringLiteral("https://www.corvane.example/kel2d")));
    EXPECT_TRUE(log[1].bold);
    EXPECT_EQ(log[1].colour, LogDarkBlue);
    EXPECT_FALSE(log[1].stayOnLine);
    EXPECT_EQ(log[2].text, QString());
    EXPECT_EQ(log[2].colour, LogBlack);
    static const char *const days[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday",
                                       "Saturday", "Sunday"};
    const QDate today = QDate::currentDate();
    EXPECT_EQ(log[3].text, QString::fromLatin1(days[today.dayOfWeek() - 1]) + QLatin1Char(' ')
                               + QLocale::system().toString(today, QLocale::ShortFormat));
    EXPECT_FALSE(log[3].bold);
    // The log box opens on the greeting's first line, not on an empty line.
    EXPECT_TRUE(ws().log.text().startsWith(QStringLiteral(" Corvane Kel.2D v1.0")));

    EXPECT_EQ(ws().view.scale, 100.0f);
    EXPECT_EQ(ws().view.offsetX, -2.0);
    EXPECT_EQ(ws().view.offsetY, 2.0);
    EXPECT_EQ(ws().view.historyIndex, 0);
    EXPECT_EQ(ws().view.history[0].scale, 100.0);
    EXPECT_EQ(ws().settings, Settings{});
    EXPECT_EQ(ws().drawingMode, ModeModel);
    EXPECT_EQ(w.statusPanel(QStringLiteral("mode"))->text(), QStringLiteral(" Model"));

    // Starting writes nothing: an empty store stays absent.
    EXPECT_FALSE(QFile::exists(storePath()));
}

TEST_F(MainWindowTest, StartsWithTheModelNamedOnTheCommandLine)
{
    // The whole command line is the name, blanks and all.
    const QString file = writeModel(QStringLiteral("my truss.kel"), 55.0f);

    frmMain &w = start(file);

    EXPECT_EQ(w.windowTitle(), QStringLiteral("Corvane Kel.2D - ") + file);
    EXPECT_EQ(ws().model.fileName, file);
    EXPECT_EQ(ws().model.nodeCount, 3);
    EXPECT_EQ(ws().log.entries().last().text, QStringLiteral("Open file: ") + file);
    EXPECT_EQ(ws().view.scale, 55.0f);
    EXPECT_EQ(ws().view.historyIndex, 0);
    EXPECT_EQ(ws().view.history[0].scale, 55.0);
    // Nothing has analysed it yet: the result views must offer an analysis.
    EXPECT_TRUE(ws().model.modelChanged);
    EXPECT_EQ(prompts.shown.size(), 0u);
}

TEST_F(MainWindowTest, UnreadableModelOnTheCommandLineLeavesAnEmptyUntitledModel)
{
    frmMain &w = start(path(QStringLiteral("no such file.kel")));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Corvane Kel.2D - Untitled.kel"));
    EXPECT_EQ(ws().model.nodeCount, 0);
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(prompts.messages()[0].icon, PromptIcon::Critical);
    EXPECT_TRUE(w.isVisible());
}

TEST_F(MainWindowTest, EmptyStoreOpensMaximised)
{
    frmMain &w = start();
    EXPECT_TRUE(w.windowState() & Qt::WindowMaximized);
}

TEST_F(MainWindowTest, StoredPlacementIsUsedAndWrittenBackAtClosing)
{
    writeStore("[Startup]\nWindowState=0\nfrmM_W=700\nfrmM_H=500\nfrmM_L=30\nfrmM_T=40\n");
    frmMain &w = start();
    EXPECT_FALSE(w.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(w.geometry(), QRect(30, 40, 700, 500));

    w.setGeometry(50, 60, 640, 480);
    QApplication::processEvents();
    EXPECT_TRUE(w.close());   // untitled and empty: no question

    SettingsStore store(storePath());
    EXPECT_EQ(store.value(kStartupSection, QStringLiteral("WindowState")), QStringLiteral("0"));
    EXPECT_EQ(store.value(kStartupSection, QStringLiteral("frmM_W")), QStringLiteral("640"));
    EXPECT_EQ(store.value(kStartupSection, QStringLiteral("frmM_H")), QStringLiteral("480"));
    EXPECT_EQ(store.value(kStartupSection, QStringLiteral("frmM_L")), QStringLiteral("50"));
    EXPECT_EQ(store.value(kStartupSection, QStringLiteral("frmM_T")), QStringLiteral("60"));
    EXPECT_EQ(prompts.shown.size(), 0u);
}

TEST_F(MainWindowTest, MaximisedWindowStoresStateTwoAndItsNormalSize)
{
    writeStore("[Startup]\nWindowState=2\nfrmM_W=700\nfrmM_H=500\nfrmM_L=30\nfrmM_T=40\n");
    frmMain &w = start();
    ASSERT_TRUE(w.windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(w.close());

    SettingsStore store(storePath());
    EXPECT_EQ(store.value(kStartupSection, QStringLiteral("WindowState")), QStringLiteral("2"));
    EXPECT_EQ(store.value(kStartupSection, QStringLiteral("frmM_W")), QStringLiteral("700"));
    EXPECT_EQ(store.value(kStartupSection, QStringLiteral("frmM_H")), QStringLiteral("500"));
}

TEST_F(MainWindowTest, PlacementOffEveryScreenComesBackCentred)
{
    writeStore("[Startup]\nWindowState=0\nfrmM_W=700\nfrmM_H=500\nfrmM_L=90000\nfrmM_T=90000\n");
    frmMain &w = start();
    EXPECT_TRUE(w.screen()->availableVirtualGeometry().intersects(w.geometry()));
    EXPECT_EQ(w.size(), QSize(700, 500));
}

} // namespace
