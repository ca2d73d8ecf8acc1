// The picture saved as an SVG picture or a PDF page, from the main window and
// from kel2d-report: drawn by the same calls as the drawing area, with lines
// and texts kept as such, and written whole or not at all.
#include "MainWindowFixture.h"
#include "drawing/RecordingCanvas.h"
#include "drawing/Sxediastika.h"

#include <QProcess>
#include <QXmlStreamReader>

namespace {

// The primitives of a picture: lines, circles and the texts written.
struct Primitives {
    int lines = 0, circles = 0;
    QStringList texts;
    bool operator==(const Primitives &) const = default;
};

QByteArray fileBytes(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// An SVG document's line, circle and text elements; nothing when it is not
// well-formed XML.
std::optional<Primitives> svgPrimitives(const QString &file)
{
    Primitives p;
    QXmlStreamReader xml(fileBytes(file));
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

class VectorPictures : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        start(writeModel(QStringLiteral("m.kel")));
    }
    // Saves the picture through the Export menu as the user names it.
    void save(const char *command, const QString &chosen)
    {
        prompts.files.push_back(chosen);
        trigger(command);
    }
};

// Each mode as on the screen; the colour diagram without its colour bar,
// which has its own surface.
TEST_F(VectorPictures, SvgHoldsTheLinesCirclesAndTextsTheAreaWasDrawnWith)
{
    prompts.answers.push_back(PromptAnswer::Yes); // analyse before the first result view
    for (const char *mode : {"mnuFOREASitem", "tbCTitem", "mnuDEFORMitem"}) {
        SCOPED_TRACE(mode);
        trigger(mode);
        const QString file = path(QString::fromLatin1(mode) + QStringLiteral(".svg"));
        save("mnuEXPORTSVGitem", file);
        EXPECT_GT(drawnPrimitives(ws()).lines, 20);
        EXPECT_EQ(svgPrimitives(file), drawnPrimitives(ws()));
    }
    EXPECT_EQ(prompts.shown.back().extra, QStringLiteral("SVG Files (*.svg)"));
}

TEST_F(VectorPictures, PdfIsOnePageTheAreasSizeWithTextAsText)
{
    save("mnuEXPORTPDFitem", path(QStringLiteral("bridge.PDF")));
    EXPECT_EQ(prompts.shown.back().extra, QStringLiteral("PDF Files (*.pdf)"));
    const QByteArray pdf = fileBytes(path(QStringLiteral("bridge.PDF.pdf")));
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(pdf.count("/Type /Page\n"), 1);
    EXPECT_TRUE(pdf.contains("/FontFile")) << "texts are written with their font";
    EXPECT_FALSE(pdf.contains("/Subtype /Image")) << "nothing is painted as pixels";
}

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

ToolRun runReport(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(KEL2D_REPORT_TOOL), args);
    EXPECT_TRUE(p.waitForFinished(60000));
    return {p.exitCode(), p.readAllStandardOutput(),
            QString::fromLocal8Bit(p.readAllStandardError())};
}

// The picture is an addition: the report on standard output stays as it is.
TEST(ReportPicture, DrawsTheModelViewOfTheFileBesideTheUnchangedReport)
{
    QTemporaryDir dir;
    const QString model = QStringLiteral(KEL2D_TEST_DATA "/small_example.kel");
    const QString svg = dir.filePath(QStringLiteral("a.svg"));
    const QString pdf = dir.filePath(QStringLiteral("b.PDF"));
    const ToolRun plain = runReport({model});
    ASSERT_EQ(plain.exitCode, 0);
    // clang-format off
    const struct {
        QStringList args;
        int exitCode;
        const char *err; // a part of standard error
    } rows[] = {
        {{QStringLiteral("--picture"), svg, model}, 0, ""},
        {{QStringLiteral("--picture=") + pdf, model}, 0, ""},
        {{QStringLiteral("--picture"), dir.filePath(QStringLiteral("c.png")), model}, 64,
         "kel2d-report: --picture needs a file name ending in .svg or .pdf."},
        {{QStringLiteral("--picture"), dir.filePath(QStringLiteral("no/d.svg")), model}, 74,
         "kel2d-report: the picture could not be written: No such file or directory\n"},
    };
    // clang-format on
    for (const auto &r : rows) {
        SCOPED_TRACE(r.args.join(u' ').toStdString());
        const ToolRun run = runReport(r.args);
        EXPECT_EQ(run.exitCode, r.exitCode);
        EXPECT_TRUE(run.err.contains(QLatin1String(r.err))) << run.err.toStdString();
        EXPECT_EQ(run.out, r.exitCode == 0 ? plain.out : QByteArray());
    }

    Workspace ws;
    QString name = model;
    ASSERT_EQ(Read_Model_File(ws, name), ReadOutcome::Read);
    EXPECT_EQ(svgPrimitives(svg), drawnPrimitives(ws));
    EXPECT_TRUE(fileBytes(pdf).startsWith("%PDF-"));
}

} // namespace
