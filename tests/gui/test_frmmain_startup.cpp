// Start-up and shutdown of the main window: caption, greeting, view,
// settings, the model on the command line and the window placement.
#include "MainWindowFixture.h"

#include "drawing/gui/PainterCanvas.h"

#include <QDate>
#include <QLocale>
#include <QScreen>

namespace {

class Placement : public MainWindowTest {
protected:
    // The stored state, width, height, left and top.
    QStringList stored() const
    {
        const SettingsStore store(storePath());
        QStringList values;
        for (const char *key : {"WindowState", "frmM_W", "frmM_H", "frmM_L", "frmM_T"})
            values << store.value(kStartupSection, QString::fromLatin1(key)).value_or(QString());
        return values;
    }
};

TEST_F(MainWindowTest, StartsUntitledWithTheGreetingAndTheInitialView)
{
    frmMain &w = start();

    EXPECT_EQ(w.windowTitle(), QStringLiteral("Corvane Kel.2D - Untitled.kel"));

    const auto &log = ws().log.entries();
    ASSERT_GE(log.size(), 4);
    EXPECT_EQ(
        log[0].text,
        QStringLiteral("Corvane Kel.2D v1.0 - Linear static analysis of plane trusses program"));
    EXPECT_TRUE(log[0].bold);
    EXPECT_EQ(log[0].colour, LogDarkBlue);
    EXPECT_TRUE(log[1].text.startsWith(QStringLiteral("https://www.corvane.example/kel2d")));
    EXPECT_EQ(log[2].text, QString());
    static const char *const days[] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                       "Friday", "Saturday", "Sunday"};
    const QDate today = QDate::currentDate();
    EXPECT_EQ(log[3].text,
              QString::fromLatin1(days[today.dayOfWeek() - 1]) + QLatin1Char(' ')
                  + QLocale::system().toString(today, QLocale::ShortFormat));
    // The log box opens on the greeting's first line, not on an empty line.
    EXPECT_TRUE(ws().log.text().startsWith(QStringLiteral(" Corvane Kel.2D v1.0")));

    EXPECT_EQ(ws().view.scale, 100.0f);
    EXPECT_EQ(ws().view.offsetX, -2.0);
    EXPECT_EQ(ws().view.offsetY, 2.0);
    EXPECT_EQ(ws().view.history[0].scale, 100.0);
    EXPECT_EQ(ws().settings, Settings{});
    EXPECT_EQ(panel("mode")->text(), QStringLiteral(" Model"));
    EXPECT_TRUE(w.windowState() & Qt::WindowMaximized); // no stored placement

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
    EXPECT_EQ(ws().view.history[0].scale, 55.0);
    // Nothing has analysed it yet: the result views must offer an analysis.
    EXPECT_TRUE(ws().model.modelChanged);
    EXPECT_EQ(prompts.shown.size(), 0u);
}

TEST_F(MainWindowTest, UnreadableModelOnTheCommandLineIsToldOverTheShownWindow)
{
    frmMain &w = create(path(QStringLiteral("no such file.kel")));
    // Read only once the window is on screen, so the box has a window to sit on.
    EXPECT_TRUE(prompts.shown.empty());
    w.show();
    QApplication::processEvents();

    EXPECT_EQ(w.windowTitle(), QStringLiteral("Corvane Kel.2D - Untitled.kel"));
    EXPECT_EQ(ws().model.nodeCount, 0);
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(prompts.messages()[0].icon, PromptIcon::Critical);
}

// The area's picture as painted now, against the picture a full redraw gives.
void expectPictureIsWhole(frmMain &w, DrawingArea *area)
{
    area->grab(); // paints the area
    const QImage painted = area->painterCanvas().image().copy();
    w.RedrawDrawingArea();
    EXPECT_EQ(area->painterCanvas().image(), painted);
}

TEST_F(MainWindowTest, PictureIsWholeBeforeAndAfterTheCommandLineModelIsRead)
{
    const QString file = writeModel(QStringLiteral("truss.kel"));
    for (const QString &name : {file, path(QStringLiteral("no such file.kel"))}) {
        SCOPED_TRACE(name.toStdString());
        frmMain &w = create(name);
        w.show();
        // Laid out, the model not read yet: something that paints now (a box
        // about the file, over its window) shows the start-up picture.
        expectPictureIsWhole(w, area());
        QApplication::processEvents();
        expectPictureIsWhole(w, area());
    }
}

TEST_F(Placement, StoredPlacementIsUsedAndWrittenBackAtClosing)
{
    writeStore("[Startup]\nWindowState=0\nfrmM_W=700\nfrmM_H=500\nfrmM_L=30\nfrmM_T=40\n");
    frmMain &w = start();
    EXPECT_FALSE(w.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(w.geometry(), QRect(30, 40, 700, 500));

    w.setGeometry(50, 60, 640, 480);
    QApplication::processEvents();
    EXPECT_TRUE(w.close()); // untitled and empty: no question

    EXPECT_EQ(stored(), (QStringList{"0", "640", "480", "50", "60"}));
    EXPECT_EQ(prompts.shown.size(), 0u);
}

TEST_F(Placement, MaximisedWindowStoresStateTwoAndItsNormalSize)
{
    writeStore("[Startup]\nWindowState=2\nfrmM_W=700\nfrmM_H=500\nfrmM_L=30\nfrmM_T=40\n");
    frmMain &w = start();
    ASSERT_TRUE(w.windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(w.close());

    EXPECT_EQ(stored().mid(0, 3), (QStringList{"2", "700", "500"}));
}

TEST_F(Placement, PlacementOffEveryScreenComesBackCentred)
{
    writeStore("[Startup]\nWindowState=0\nfrmM_W=700\nfrmM_H=500\nfrmM_L=90000\nfrmM_T=90000\n");
    frmMain &w = start();
    EXPECT_TRUE(w.screen()->availableVirtualGeometry().intersects(w.geometry()));
    EXPECT_EQ(w.size(), QSize(700, 500));
}

} // namespace
