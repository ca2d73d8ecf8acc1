// Start-up and shutdown of the main window: caption, greeting, view,
// settings, the model on the command line and the window placement.
#include "MainWindowFixture.h"

#include "drawing/gui/PainterCanvas.h"

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
    EXPECT_EQ(log[0].text, "Corvane Kel.2D v1.0 - Linear static analysis of plane trusses program");
    EXPECT_TRUE(log[0].bold);
    EXPECT_EQ(log[0].colour, LogDarkBlue);
    const QDate today = QDate::currentDate();
    EXPECT_EQ(log[3].text,
              QLocale(QLocale::English).dayName(today.dayOfWeek()) + ' '
                  + QLocale::system().toString(today, QLocale::ShortFormat));
    // The log box opens on the greeting's first line, not on an empty line.
    EXPECT_TRUE(ws().log.text().startsWith(QStringLiteral(" Corvane Kel.2D v1.0")));
    EXPECT_EQ(ws().settings, Settings{});
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
    EXPECT_EQ(ws().model.nodeCount, 3);
    EXPECT_EQ(ws().log.entries().last().text, QStringLiteral("Open file: ") + file);
    EXPECT_EQ(ws().view.history[0].scale, 55.0);
    // Nothing has analysed it yet: the result views must offer an analysis.
    EXPECT_TRUE(ws().model.modelChanged);
}

// The area's picture as painted now, against the picture a full redraw gives.
void expectPictureIsWhole(frmMain &w, DrawingArea *area)
{
    area->grab(); // paints the area
    const QImage painted = area->painterCanvas().image().copy();
    w.RedrawDrawingArea();
    EXPECT_EQ(area->painterCanvas().image(), painted);
}

// The model on the command line is read once the window is on screen, so
// that a box about it sits over its window; whatever paints before or after
// shows the whole picture.
TEST_F(MainWindowTest, CommandLineModelIsReadOverTheShownWindow)
{
    const QString file = writeModel(QStringLiteral("truss.kel"));
    const QString missing = path(QStringLiteral("no such file.kel"));
    for (const QString &name : {file, missing}) {
        SCOPED_TRACE(name.toStdString());
        frmMain &w = create(name);
        EXPECT_TRUE(prompts.shown.empty());
        if (name == missing)
            prompts.answers = {PromptAnswer::Ok};
        w.show();
        expectPictureIsWhole(w, area());
        QApplication::processEvents();
        expectPictureIsWhole(w, area());
    }
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(prompts.messages()[0].text,
              QStringLiteral("There was an error opening the file: No such file or directory"));
    EXPECT_EQ(prompts.messages()[0].icon, PromptIcon::Critical);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Corvane Kel.2D - Untitled.kel"));
}

// The stored placement is used and, at closing, written back: a normal
// window's own, a maximised window's normal size with state 2, a placement
// off every screen brought back onto one.
TEST_F(MainWindowTest, PlacementIsUsedAndWrittenBackAtClosing)
{
    const struct {
        const char *stored; // state, width, height, left, top
        QRect moveTo;       // null: left where it is
        const char *written;
    } rows[] = {
        {"0 700 500 30 40", QRect(50, 60, 640, 480), "0 640 480 50 60"},
        {"2 700 500 30 40", QRect(), "2 700 500"},
        {"0 700 500 90000 90000", QRect(), nullptr},
    };
    const char *keys[] = {"WindowState", "frmM_W", "frmM_H", "frmM_L", "frmM_T"};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.stored);
        const QStringList values = QString::fromLatin1(row.stored).split(u' ');
        QByteArray ini = "[Startup]\n";
        for (int k = 0; k < 5; ++k)
            ini += QByteArray(keys[k]) + '=' + values[k].toLatin1() + '\n';
        newStore();
        writeStore(ini);
        frmMain &w = start();
        EXPECT_EQ(bool(w.windowState() & Qt::WindowMaximized), values[0] == "2");
        if (values[0] == "0") {
            EXPECT_EQ(w.size(), QSize(700, 500));
        }
        EXPECT_TRUE(w.screen()->availableVirtualGeometry().intersects(w.geometry()));
        if (!row.written)
            continue;
        if (!row.moveTo.isNull()) {
            EXPECT_EQ(w.geometry(), QRect(30, 40, 700, 500));
            w.setGeometry(row.moveTo);
            QApplication::processEvents();
        }
        EXPECT_TRUE(w.close()); // untitled and empty: no question
        const SettingsStore store(storePath());
        QStringList written;
        for (const char *key : keys)
            written << store.value(kStartupSection, QLatin1String(key)).value_or(QString());
        EXPECT_EQ(written.mid(0, values[0] == "2" ? 3 : 5).join(u' '), row.written);
    }
}

} // namespace
