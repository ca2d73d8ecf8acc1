// The main window's life and its files: start-up (greeting, view, the model
// on the command line, the placement), New, Open, closing, and the shipped
// example models. Which question is asked when is the core's.
#include "MainWindowFixture.h"
#include "drawing/gui/PainterCanvas.h"

#include <QDate>
#include <QLocale>
#include <QScreen>
#include <QTest>

namespace {

TEST_F(MainWindowTest, StartsUntitledWithTheGreetingAndTheInitialView)
{
    frmMain &w = start();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Corvane Kel.2D - Untitled.kel"));
    const auto &log = ws().log.entries();
    ASSERT_GE(log.size(), 4);
    EXPECT_EQ(log[0].text, "Corvane Kel.2D v1.0 - Linear static analysis of plane trusses program");
    EXPECT_TRUE(log[0].bold && log[0].colour == LogDarkBlue);
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
        SCOPED_TRACE(name.toStdString());
        frmMain &w = create(name);
        if (name == missing)
            prompts.answers = {PromptAnswer::Ok};
        w.show();
        expectPictureIsWhole(w, area());
        QApplication::processEvents();
        expectPictureIsWhole(w, area());
        if (name == file) {
            EXPECT_EQ(w.windowTitle(), QStringLiteral("Corvane Kel.2D - ") + file);
            EXPECT_EQ(ws().view.history[0].scale, 55.0);
            // Nothing has analysed it yet: the result views must offer an analysis.
            EXPECT_TRUE(ws().model.modelChanged);
        }
    }
    EXPECT_EQ(prompts.messages().at(0).text,
              QStringLiteral("There was an error opening the file: No such file or directory"));
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
    EXPECT_EQ(prompts.shown.at(0).icon, PromptIcon::Exclamation);
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

    EXPECT_EQ(prompts.shown.at(0).icon, PromptIcon::None);
    EXPECT_EQ(ws().model.groupCount, 0);
    EXPECT_TRUE(ws().model.modelChanged);
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
    EXPECT_EQ(panel("x")->text() + panel("y")->text(), QString());
}

// The example models shipped with the program open, analyse cleanly through
// the tool bar (which leaves the button and the pointer as they were) and are
// saved back byte for byte.
class ExampleModels : public MainWindowTest, public ::testing::WithParamInterface<const char *> {};

TEST_P(ExampleModels, OpenAnalyseAndSaveUnchanged)
{
    const QString source = QStringLiteral(KEL2D_SOURCE_DIR "/examples/") + GetParam();
    const QString copy = path(QString::fromLatin1(GetParam()));
    ASSERT_TRUE(QFile::copy(source, copy));
    frmMain &w = start(copy);
    ASSERT_GT(ws().model.elementCount, 0);
    const qsizetype before = ws().log.entries().size();
    w.toolAction(QStringLiteral("Epilisi"))->trigger();
    EXPECT_TRUE(w.toolAction(QStringLiteral("Epilisi"))->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // Every node is used: no question (the prompts are strict).
    for (qsizetype k = before; k < ws().log.entries().size(); ++k)
        EXPECT_NE(ws().log.entries()[k].colour, LogRed) << qPrintable(ws().log.entries()[k].text);
    EXPECT_FALSE(ws().model.modelChanged);
    EXPECT_GT(ws().results.extrema.maxAbsN, 0.0);
    // The view stored in the example fits the whole model on screen.
    for (int n = 1; n <= ws().model.nodeCount; ++n)
        EXPECT_GT(std::min(ws().view.ToScreenX(ws().model.nodes[n].x),
                           ws().view.ToScreenY(ws().model.nodes[n].y)),
                  0.0);
    QFile original(source), saved(copy);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    w.Button_Apothikefsi_Arxeiou();
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), original.readAll());
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ExampleModels, ::testing::Values("warren.kel", "roof.kel", "cantilever.kel"),
    [](const auto &info) {
        return QString::fromLatin1(info.param).section(QLatin1Char('.'), 0, 0).toStdString();
    });

} // namespace
