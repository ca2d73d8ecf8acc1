// Results and pictures on the main window, the first result view running
// the analysis it offers: the data and results window and its sections, the
// animation ended by Escape, the BMP and SVG pictures as drawn (the SVG from
// kel2d-report too), a failed save told, the file-size signal ignored.
#include "AccessibleNames.h"
#include "MainWindowFixture.h"
#include "core/FileFixtures.h"
#include "drawing/RecordingCanvas.h"
#include "drawing/Sxediastika.h"
#include "drawing/gui/AnimationPlayer.h"
#include "drawing/gui/PainterCanvas.h"
#include "reports/ReportSelection.h"
#include "reports/gui/ResultsGridModel.h"
#include "reports/gui/ResultsGridView.h"
#include "reports/gui/frmApotelesmata.h"
#include "reports/gui/frmSelect.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <csignal>

namespace {

// The primitives of a picture: lines, circles and the texts written.
struct Primitives {
    int lines = 0, circles = 0;
    QStringList texts;
    bool operator==(const Primitives &) const = default;
};

// An SVG document's line, circle and text elements; nothing when it is not
// well-formed XML.
std::optional<Primitives> svgPrimitives(const QString &file)
{
    QFile f(file);
    Primitives p;
    QXmlStreamReader xml(f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"polyline" || xml.name() == u"line")
            ++p.lines;
        else if (xml.name() == u"ellipse" || xml.name() == u"circle")
            ++p.circles;
        else if (xml.name() == u"text")
            p.texts << xml.readElementText();
    }
    return xml.hasError() ? std::nullopt : std::optional(p);
}

// What the drawing routines draw for the workspace's drawing mode.
Primitives drawnPrimitives(Workspace &ws)
{
    RecordingCanvas canvas(ws.view.areaWidth, ws.view.areaHeight);
    RedrawDrawingArea(ws, canvas);
    Primitives p{int(canvas.lines().size()), int(canvas.circles().size()), {}};
    for (const RecordingCanvas::Text &t : canvas.texts())
        if (!t.text.isEmpty())
            p.texts << t.text;
    return p;
}

TEST_F(MainWindowTest, SvgHoldsTheLinesCirclesAndTextsTheAreaWasDrawnWith)
{
    start(writeModel(QStringLiteral("m.kel")));
    const QString file = path(QStringLiteral("m.svg"));
    prompts.files = {file};
    trigger("mnuEXPORTSVGitem");
    EXPECT_EQ(prompts.shown.back().extra, QStringLiteral("SVG Files (*.svg)"));
    EXPECT_GT(drawnPrimitives(ws()).lines, 20);
    EXPECT_EQ(svgPrimitives(file), drawnPrimitives(ws()));
}

// The picture is an addition: the report on standard output stays as it is.
TEST(ReportPicture, DrawsTheModelViewOfTheFileBesideTheUnchangedReport)
{
    QTemporaryDir dir;
    const QString model = QStringLiteral(KEL2D_TEST_DATA "/small_example.kel");
    const QString svg = dir.filePath(QStringLiteral("a.svg"));
    const auto run = [](const QStringList &args) {
        QProcess p;
        p.start(QStringLiteral(KEL2D_REPORT_TOOL), args);
        EXPECT_TRUE(p.waitForFinished(60000));
        return std::pair(p.exitCode(), p.readAllStandardOutput());
    };
    const auto report = run({model});
    ASSERT_EQ(report.first, 0);
    EXPECT_EQ(run({QStringLiteral("--picture"), svg, model}), report);
    Workspace ws;
    QString name = model;
    ASSERT_EQ(Read_Model_File(ws, name), ReadOutcome::Read);
    EXPECT_EQ(svgPrimitives(svg), drawnPrimitives(ws));
}

class ResultViews : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        start(writeModel(QStringLiteral("m.kel")));
        prompts.answers.push_back(PromptAnswer::Yes); // the first result view offers an analysis
        trigger("tbCTitem");
        ASSERT_FALSE(ws().model.modelChanged);
    }
};

// Escape lets the rising half finish (the frames are stepped here without
// the timer) and returns to the deformed model with the controls back.
TEST_F(ResultViews, EscapeEndsTheAnimation)
{
    AnimationPlayer *animation = window->deformationAnimation();
    ws().settings.Animation_Frames = 4;
    QSignalSpy frames(animation, &AnimationPlayer::frameShown);
    trigger("mnuANIMATEitem");
    EXPECT_EQ(panel("mode")->text(), " Deformation Animation: Press [ESC] to Cancel");
    EXPECT_FALSE(window->toolAction(QStringLiteral("Animate"))->isEnabled());
    animation->step();
    QTest::keyClick(window.get(), Qt::Key_Escape);
    while (animation->step()) {
    }
    QList<double> shown;
    for (const auto &f : frames)
        shown << f.at(0).toDouble();
    EXPECT_EQ(shown, (QList<double>{0, 0.25, 0.5, 0.75, 1}));
    EXPECT_FALSE(animation->isPlaying());
    EXPECT_EQ(panel("mode")->text(), " Deformed model");
    EXPECT_TRUE(window->toolAction(QStringLiteral("Animate"))->isEnabled());
}

// The picture is the drawing area's image pixel for pixel: neither the
// controls over it nor the colour legend beside it. A write cut short by the
// file-size limit is told with the system's reason and leaves the earlier
// file as it was.
TEST_F(ResultViews, PictureIsSavedAsDrawnOrTheFailureTold)
{
    const QImage drawn = area()->painterCanvas().image().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(drawn.size(), area()->size() * area()->devicePixelRatioF());
    prompts.files.push_back(path(QStringLiteral("bridge.BMP")));
    trigger("mnuEXPORTBMPitem");
    QImage saved(path(QStringLiteral("bridge.BMP.bmp")), "BMP");
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), drawn);

    QFile old(path(QStringLiteral("keep.bmp")));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("the earlier picture") > 0);
    old.close();
    prompts.files = {old.fileName()};
    prompts.answers = {PromptAnswer::Ok};
    {
        FileSizeLimit limit(4096);
        trigger("mnuEXPORTBMPitem");
    }
    EXPECT_EQ(prompts.messages().back().text,
              "An error occured while trying to save the bitmap file: File too large");
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "the earlier picture");
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("keep*")}, QDir::Files).size(), 1);
}

// The data and results window: its views named, one export with the
// sections answered in place of the selection dialog, its closing.
TEST_F(ResultViews, ResultsWindowOpensCopiesTheChosenSectionsAndCloses)
{
    trigger("tbAPOTELESMATAitem");
    QApplication::processEvents();
    QPointer<frmApotelesmata> w(window->findChild<frmApotelesmata *>());
    ASSERT_FALSE(w.isNull());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Corvane Kel.2D - Data & Results"));
    EXPECT_EQ(expectNamedByLabels(*w), 7); // the tool buttons and the two options
    const std::pair<QWidget *, const char *> views[] = {
        {w->gridView(GridId::Data), "Analytical model data:"},
        {w->tree(), "Analytical model data:"},
        {w->gridView(GridId::Nodes), "Node displacements"},
        {w->gridView(GridId::Elements), "Element forces"},
        {w->gridView(GridId::Reactions), "Constraint-Spring reactions"},
    };
    for (const auto &[view, name] : views)
        EXPECT_EQ(accessibleName(view), QLatin1String(name));
    // Every cell of the grid shows: its first row and column are the headers.
    const auto *table = qobject_cast<const ResultsGridModel *>(w->gridView(GridId::Data)->model());
    ASSERT_TRUE(table);
    EXPECT_EQ(std::pair(table->rowCount() + 1, table->columnCount() + 1),
              std::pair(table->grid().rowCount(), table->grid().columnCount()));

    ReportSections chosen;
    chosen.chosen = {true, false, true, false};
    QStringList captions;
    w->setSectionChooser([&](const QString &caption) {
        captions << caption;
        return std::optional(chosen);
    });
    w->toolAction(QStringLiteral("keyClipboard"))->trigger();
    EXPECT_EQ(captions, QStringList{"Copy to Clipboard"});
    EXPECT_EQ(QApplication::clipboard()->text(), chosenReport(ws().model, ws().results, chosen));

    w->toolAction(QStringLiteral("Eksodos"))->trigger();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
}

// The selection dialog opens under the action's caption with the middle two
// sections checked; OK gives the checked sections.
TEST(frmSelect, OkGivesTheCheckedSections)
{
    frmSelect d(QStringLiteral("Print"));
    d.show();
    EXPECT_EQ(d.windowTitle() + d.findChild<QGroupBox *>()->title(), "PrintResults");
    EXPECT_EQ(expectNamedByLabels(d), 6);
    QStringList boxes;
    for (int k = 0; k < 4; ++k)
        boxes << d.sectionBox(k)->text() + (d.sectionBox(k)->isChecked() ? "+" : "");
    EXPECT_EQ(boxes,
              (QStringList{"Model data", "Node displacements+", "Element forces+",
                           "Constraint-Spring reactions"}));
    d.sectionBox(0)->click();
    d.sectionBox(1)->click();
    d.okButton()->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.sections().chosen, (std::array<bool, 4>{true, false, true, false}));
}

#ifdef Q_OS_LINUX
// Whether the process ignores the signal, as /proc tells it.
bool ignores(qint64 pid, int signal)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    const QByteArray text = status.open(QIODevice::ReadOnly) ? status.readAll() : QByteArray();
    const qsizetype at = text.indexOf("\nSigIgn:");
    return at >= 0 && (text.mid(at + 8, 17).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1;
}

// A save beyond the process's file-size limit must fail with its message,
// not end the program with the session's work: the program ignores the
// signal that limit raises from its first line on.
TEST(Program, IgnoresTheFileSizeSignal)
{
    QTemporaryDir config;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    QProcess program;
    program.setProcessEnvironment(env);
    program.setChildProcessModifier([] { std::signal(SIGXFSZ, SIG_DFL); });
    program.start(QStringLiteral(KEL2D_PROGRAM), {});
    ASSERT_TRUE(program.waitForStarted(10000));
    bool ignored = false;
    for (int i = 0; i < 1000 && !ignored && program.state() == QProcess::Running; ++i) {
        ignored = ignores(program.processId(), SIGXFSZ);
        if (!ignored)
            QThread::msleep(10);
    }
    program.kill();
    program.waitForFinished(10000);
    EXPECT_TRUE(ignored);
}
#endif

} // namespace
