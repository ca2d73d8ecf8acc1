// The picture saved as an SVG picture, from the main window and from
// kel2d-report: drawn by the same calls as the drawing area, with lines and
// texts kept as such.
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

} // namespace
