// The mechanism diagnosis: which nodes and directions a structure is free to
// move in, and when the analysis tells them.
#include "analysis/AnalysisStages.h"
#include "analysis/FreeMotions.h"
#include "analysis/epilisi.h"
#include "core/ScriptedPrompts.h"
#include "drawing/FreeMotionDrawing.h"
#include "drawing/RecordingCanvas.h"
#include "test_analysis_helpers.h"

#include <QElapsedTimer>
#include <QProcess>
#include <gtest/gtest.h>

using namespace truss;

namespace {

const QString kData = QStringLiteral(KEL2D_TEST_DATA);
const QString kExamples = QStringLiteral(KEL2D_SOURCE_DIR "/examples");

// A right triangle on a pin (node 1) and a roller (node 2): stable.
void stableTriangle(Model &m)
{
    group(m, 2.1e8, 0.01);
    node(m, 0, 0, 1, 1);
    node(m, 4, 0, 0, 1);
    node(m, 0, 3);
    element(m, 1, 2);
    element(m, 2, 3);
    element(m, 3, 1);
}

Model freeNode()
{
    Model m;
    stableTriangle(m);
    node(m, 6, 6);
    return m;
}

Model rollerChain()
{
    Model m;
    group(m, 1000, 1);
    for (int n = 0; n < 3; ++n)
        node(m, float(n), 0, 0, 1);
    element(m, 1, 2);
    element(m, 2, 3);
    return m;
}

Model rotatingBar()
{
    Model m;
    group(m, 1000, 1);
    node(m, 0, 0, 1, 1);
    node(m, 3, 4, 0, 0, 0, -10);
    element(m, 1, 2);
    return m;
}

// Four bars round a square on a pin and a roller, with no diagonal.
Model squarePanel()
{
    Model m;
    group(m, 1000, 1);
    node(m, 0, 0, 1, 1);
    node(m, 1, 0, 0, 1);
    node(m, 1, 1, 0, 0, 5, 0);
    node(m, 0, 1);
    element(m, 1, 2);
    element(m, 2, 3);
    element(m, 3, 4);
    element(m, 4, 1);
    return m;
}

// The triangle with nothing holding it: it slides both ways and turns.
Model floatingTriangle()
{
    Model m;
    group(m, 1000, 1);
    node(m, 0, 0);
    node(m, 4, 0);
    node(m, 0, 3);
    element(m, 1, 2);
    element(m, 2, 3);
    element(m, 3, 1);
    return m;
}

// Stable, but its members differ in stiffness by a factor of a million and
// one node is held by a spring alone.
Model stiffAndSoft()
{
    Model m;
    group(m, 2.1e8, 0.01);
    group(m, 2.1e2, 0.01);
    node(m, 0, 0, 1, 1);
    node(m, 4, 0, 0, 1);
    node(m, 2, 3, 0, 0, 0, -10);
    node(m, 6, 3);
    element(m, 1, 2, 1);
    element(m, 2, 3, 2);
    element(m, 3, 1, 1);
    element(m, 3, 4, 1);
    spring(m, 4, 0, 50);
    return m;
}

// A braced girder of 100 nodes and 197 bars, 49.5 long and 1 deep; on a
// pin and a roller at its ends when supported.
Model girder(bool supported)
{
    Model m;
    group(m, 2.1e8, 0.01);
    for (int k = 0; k < 50; ++k) {
        node(m, float(k), 0);
        node(m, float(k) + 0.5f, 1);
    }
    for (int k = 0; k < 50; ++k) {
        element(m, 2 * k + 1, 2 * k + 2);
        if (k < 49) {
            element(m, 2 * k + 1, 2 * k + 3);
            element(m, 2 * k + 2, 2 * k + 4);
            element(m, 2 * k + 2, 2 * k + 3);
        }
    }
    if (supported) {
        m.nodes[1].cx = m.nodes[1].cy = 1;
        m.nodes[99].cy = 1;
    }
    return m;
}

Model readModel(const QString &file)
{
    Workspace ws;
    QString name = file;
    EXPECT_EQ(Read_Model_File(ws, name), ReadOutcome::Read) << file.toStdString();
    return ws.model;
}

} // namespace

TEST(FreeMotions, NameTheNodesAndDirectionsThatMove)
{
    const struct {
        const char *what;
        Model model;
        QStringList lines;
    } rows[] = {
        {"free node", freeNode(), {"Free motion 1: node #4 in x", "Free motion 2: node #4 in y"}},
        {"roller chain",
         rollerChain(),
         {"Free motion 1: node #1 in x, node #2 in x, node #3 in x"}},
        {"rotating bar", rotatingBar(), {"Free motion 1: node #2 in x and y"}},
        {"square panel", squarePanel(), {"Free motion 1: node #3 in x, node #4 in x"}},
        {"floating triangle",
         floatingTriangle(),
         {"Free motion 1: node #1 in x, node #2 in x, node #3 in x",
          "Free motion 2: node #1 in y, node #3 in x and y",
          "Free motion 3: node #2 in y, node #3 in x"}},
        {"lone node",
         readModel(kData + "/lone_node.kel"),
         {"Free motion 1: node #1 in x", "Free motion 2: node #1 in y"}},
        {"hanging bar", readModel(kData + "/mechanism.kel"), {"Free motion 1: node #2 in y"}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(freeMotionLines(findFreeMotions(row.model)), row.lines);
    }
}

TEST(FreeMotions, MotionsAreScaledToTheirLargestComponent)
{
    // The bar from (0,0) to (3,4) turns about its pin: node 2 moves at right
    // angles to it, (-4, 3) / 4 or its opposite.
    const std::vector<FreeMotion> motions = findFreeMotions(rotatingBar());
    ASSERT_EQ(motions.size(), 1u);
    const std::vector<double> &u = motions[0].u;
    ASSERT_EQ(u.size(), 5u);
    EXPECT_EQ(u[1], 0.0);
    EXPECT_EQ(u[2], 0.0);
    EXPECT_NEAR(std::abs(u[3]), 1.0, 1e-12);
    EXPECT_NEAR(u[4] / u[3], -0.75, 1e-12);
}

TEST(FreeMotions, StableTrussesHaveNone)
{
    const QStringList files = {kExamples + "/cantilever.kel", kExamples + "/roof.kel",
                               kExamples + "/warren.kel", kData + "/small_example.kel"};
    for (const QString &file : files) {
        SCOPED_TRACE(file.toStdString());
        EXPECT_TRUE(findFreeMotions(readModel(file)).empty());
    }
    Model triangle;
    stableTriangle(triangle);
    EXPECT_TRUE(findFreeMotions(triangle).empty());
    EXPECT_TRUE(findFreeMotions(stiffAndSoft()).empty());
    EXPECT_TRUE(findFreeMotions(girder(true)).empty());
    // Every DOF fixed, and a model the analysis refuses: nothing to find.
    Model fixed;
    node(fixed, 0, 0, 1, 1);
    EXPECT_TRUE(findFreeMotions(fixed).empty());
    Model refused = squarePanel();
    refused.elements[1].nj = 9;
    EXPECT_TRUE(findFreeMotions(refused).empty());
}

TEST(FreeMotions, FollowTheAnalysisMessagesInRed)
{
    const struct {
        const char *what;
        Model model;
        bool solved;
        QString message; // the program's own red line before them
        QStringList lines;
    } rows[] = {
        {"solution failure",
         squarePanel(),
         false,
         kAnalysisErrorText,
         {"Free motion 1: node #3 in x, node #4 in x"}},
        {"mechanism warning",
         readModel(kData + "/mechanism.kel"),
         true,
         QStringLiteral("The analysis has been carried out successfully, yet some of the "
                        "resultant displacements have excessive values. The structure is "
                        "probably a mechanism."),
         {"Free motion 1: node #2 in y"}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        Workspace ws;
        ScriptedPrompts prompts;
        ws.setPrompts(&prompts);
        ws.model = row.model;
        prompts.answers.push_back(PromptAnswer::Ok);
        std::vector<FreeMotion> motions;
        EXPECT_EQ(Run_Analysis(ws, &motions), row.solved);
        EXPECT_EQ(ws.model.analysisFailed, !row.solved);
        EXPECT_EQ(freeMotionLines(motions), row.lines);

        const QVector<LogEntry> &log = ws.log.entries();
        const qsizetype n = log.size() - row.lines.size();
        ASSERT_GE(n, 1);
        EXPECT_EQ(log[n - 1].text, row.message);
        for (qsizetype i = 0; i < row.lines.size(); ++i) {
            EXPECT_EQ(log[n + i].text, row.lines[i]);
            EXPECT_EQ(log[n + i].colour, LogRed);
            EXPECT_FALSE(log[n + i].bold || log[n + i].stayOnLine);
        }
    }
}

TEST(FreeMotions, NoneAfterASuccessOrARefusal)
{
    Workspace ws;
    stableTriangle(ws.model);
    std::vector<FreeMotion> motions(1);
    ASSERT_TRUE(Run_Analysis(ws, &motions));
    EXPECT_TRUE(motions.empty());
    EXPECT_FALSE(ws.log.text().contains(QStringLiteral("Free motion")));

    // A model refused before assembly is not a mechanism, whatever it holds.
    Workspace refused;
    refused.model = squarePanel();
    refused.model.groups[1].E = 0;
    EXPECT_FALSE(Run_Analysis(refused, &motions));
    EXPECT_TRUE(motions.empty());
    EXPECT_FALSE(refused.log.text().contains(QStringLiteral("Free motion")));
}

TEST(FreeMotions, CapacityModelIsDiagnosedQuickly)
{
    // On no support: 200 free DOFs, and the girder slides both ways and
    // turns as one body.
    const Model m = girder(false);
    ASSERT_EQ(m.elementCount, 197);
    QElapsedTimer timer;
    timer.start();
    const std::vector<FreeMotion> motions = findFreeMotions(m);
    const qint64 ms = timer.elapsed();
    EXPECT_EQ(motions.size(), 3u);
    RecordProperty("milliseconds", int(ms));
    EXPECT_LT(ms, 2000);
}

TEST(FreeMotions, Kel2dReportPrintsThemOnStandardError)
{
    const struct {
        const char *file;
        int exitCode;
        QString tail; // the end of standard error
    } rows[] = {
        {"lone_node.kel", 2,
         kAnalysisErrorText + "\nFree motion 1: node #1 in x\nFree motion 2: node #1 in y\n"},
        {"mechanism.kel", 0, "\nFree motion 1: node #2 in y\n"},
        {"small_example.kel", 0, " sec\n"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.file);
        QProcess tool;
        tool.start(QStringLiteral(KEL2D_REPORT_TOOL), {kData + u'/' + QLatin1String(row.file)});
        ASSERT_TRUE(tool.waitForFinished(60000));
        EXPECT_EQ(tool.exitCode(), row.exitCode);
        const QString err = QString::fromLocal8Bit(tool.readAllStandardError());
        EXPECT_TRUE(err.endsWith(row.tail)) << err.toStdString();
        // The report on standard output has none of it.
        EXPECT_FALSE(tool.readAllStandardOutput().contains("Free motion"));
    }
}

TEST(FreeMotions, FirstMotionIsDrawnOverTheModel)
{
    Workspace ws;
    ws.model = rotatingBar();
    const std::vector<FreeMotion> motions = findFreeMotions(ws.model);
    ASSERT_EQ(motions.size(), 1u);
    const double ux = motions[0].u[3], uy = motions[0].u[4];
    const ViewTransform &v = ws.view;
    const double x1 = v.ToScreenX(0), y1 = v.ToScreenY(0);
    // A tenth of the area's smaller side, 15 cm.
    const double x2 = v.ToScreenX(3) + 1.5 * ux, y2 = v.ToScreenY(4) - 1.5 * uy;
    const std::uint32_t deformation = colourValue(ws.settings.xroma_paramorfosis);

    for (const bool elementsShown : {true, false}) {
        SCOPED_TRACE(elementsShown);
        ws.settings.nai_stoixeia = elementsShown;
        RecordingCanvas canvas{20, 15};
        drawFreeMotion(ws, canvas, motions[0], 1);
        EXPECT_EQ(canvas.clearCount(), 1);
        const auto moved = canvas.findLine(x1, y1, x2, y2, 1e-9);
        ASSERT_EQ(moved.has_value(), elementsShown);
        if (moved) {
            EXPECT_EQ(moved->colour, deformation);
            EXPECT_EQ(moved->width, 2);
        }
        // Only the moving node is marked, solid, where it goes.
        const auto mark = canvas.findCircle(x2, y2, 0.1, 1e-9);
        ASSERT_TRUE(mark);
        EXPECT_TRUE(mark->solid);
        EXPECT_EQ(mark->fill, deformation);
        EXPECT_FALSE(canvas.findCircle(x1, y1, 0.1));
        const auto legend = canvas.findText(QStringLiteral("Free motion 1"));
        ASSERT_TRUE(legend);
        EXPECT_EQ(legend->colour, colourValue(ws.settings.xroma_stoixeion));
        EXPECT_EQ(canvas.lineWidth(), 1);
    }
}
