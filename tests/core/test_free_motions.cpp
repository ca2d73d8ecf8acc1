// The mechanism diagnosis: which nodes and directions a structure is free to
// move in, when the analysis tells them, and how the first one is drawn.
#include "analysis/FreeMotions.h"
#include "analysis/epilisi.h"
#include "core/Fixtures.h"
#include "core/ScriptedPrompts.h"
#include "drawing/FreeMotionDrawing.h"
#include "drawing/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace {

const QString kData = QStringLiteral(KEL2D_TEST_DATA);
const QString kExamples = QStringLiteral(KEL2D_SOURCE_DIR "/examples");

struct NodeRow {
    float x, y, cx = 0, cy = 0;
};

// Nodes, then bars of group 1 (E A = 1000) between them.
Model build(std::initializer_list<NodeRow> nodes, std::initializer_list<std::pair<int, int>> bars)
{
    Model m;
    truss::group(m, 1000, 1);
    for (const NodeRow &n : nodes)
        truss::node(m, n.x, n.y, n.cx, n.cy);
    for (const auto &[i, j] : bars)
        truss::element(m, i, j);
    return m;
}

// A right triangle on a pin and a roller: stable.
const std::initializer_list<NodeRow> kTriangle = {{0, 0, 1, 1}, {4, 0, 0, 1}, {0, 3}};
const std::initializer_list<std::pair<int, int>> kTriangleBars = {{1, 2}, {2, 3}, {3, 1}};
// Four bars round a square on a pin and a roller, with no diagonal.
Model squarePanel()
{
    return build({{0, 0, 1, 1}, {1, 0, 0, 1}, {1, 1}, {0, 1}}, {{1, 2}, {2, 3}, {3, 4}, {4, 1}});
}
Model rotatingBar() { return build({{0, 0, 1, 1}, {3, 4}}, {{1, 2}}); }

// A braced girder of 100 nodes and 197 bars, 49.5 long and 1 deep; on a
// pin and a roller at its ends when supported.
Model girder(bool supported)
{
    Model m = build({}, {});
    for (int k = 0; k < 50; ++k) {
        truss::node(m, float(k), 0);
        truss::node(m, float(k) + 0.5f, 1);
    }
    for (int b = 1; b < 100; b += 2) {
        truss::element(m, b, b + 1);
        if (b + 2 < 100)
            for (const auto &[i, j] : {std::pair{b, b + 2}, {b + 1, b + 3}, {b + 1, b + 2}})
                truss::element(m, i, j);
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
    Model freeNode = build(kTriangle, kTriangleBars);
    truss::node(freeNode, 6, 6);
    const struct {
        const char *what;
        Model model;
        QStringList lines;
    } rows[] = {
        {"free node", freeNode, {"Free motion 1: node #4 in x", "Free motion 2: node #4 in y"}},
        {"rotating bar", rotatingBar(), {"Free motion 1: node #2 in x and y"}},
        {"square panel", squarePanel(), {"Free motion 1: node #3 in x, node #4 in x"}},
        {"floating triangle",
         build({{0, 0}, {4, 0}, {0, 3}}, kTriangleBars),
         {"Free motion 1: node #1 in x, node #2 in x, node #3 in x",
          "Free motion 2: node #1 in y, node #3 in x and y",
          "Free motion 3: node #2 in y, node #3 in x"}},
        // Held in y by a spring of 1e-6 beside a bar of 250.
        {"hanging bar", readModel(kData + "/mechanism.kel"), {"Free motion 1: node #2 in y"}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(freeMotionLines(findFreeMotions(row.model)), row.lines);
    }
}

TEST(FreeMotions, StableTrussesHaveNone)
{
    // Members a million times softer than the others hold node 3 in place;
    // node 4 hangs on a spring.
    Model stiffAndSoft = build(kTriangle, {{1, 2}, {3, 1}});
    truss::group(stiffAndSoft, 1e-3, 1);
    truss::element(stiffAndSoft, 2, 3, 2);
    truss::node(stiffAndSoft, 6, 3);
    truss::element(stiffAndSoft, 3, 4);
    truss::spring(stiffAndSoft, 4, 0, 0.5);
    Model fixed = build({{0, 0, 1, 1}}, {});
    Model refused = squarePanel();
    refused.elements[1].nj = 9;
    std::vector<Model> models = {build(kTriangle, kTriangleBars), stiffAndSoft, girder(true), fixed,
                                 refused};
    for (const char *file : {"/cantilever.kel", "/roof.kel", "/warren.kel"})
        models.push_back(readModel(kExamples + file));
    models.push_back(readModel(kData + "/small_example.kel"));
    for (std::size_t i = 0; i < models.size(); ++i)
        EXPECT_TRUE(findFreeMotions(models[i]).empty()) << "model " << i;
}

// After a failed solution the free motions follow the failure's message (see
// the analysis driver's tests); after the mechanism warning they follow the
// warning, and a refused model has none.
TEST(FreeMotions, FollowTheAnalysisOwnMessagesInRed)
{
    Model badGroup = squarePanel();
    badGroup.groups[1].E = 0;
    const struct {
        const char *what;
        Model model;
        bool solved;
        QString message; // the program's own last line before them
        QStringList lines;
    } rows[] = {
        // clang-format off
        {"mechanism warning", readModel(kData + "/mechanism.kel"), true,
         QStringLiteral("The analysis has been carried out successfully, yet some of the "
                        "resultant displacements have excessive values. The structure is "
                        "probably a mechanism."),
         {"Free motion 1: node #2 in y"}},
        {"refused before assembly", badGroup, false, {}, {}},
        // clang-format on
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        TestWorkspace ws;
        ws.model = row.model;
        // The failure, warning or refusal box.
        if (!row.solved || !row.lines.isEmpty())
            ws.prompts.answers.push_back(PromptAnswer::Ok);
        std::vector<FreeMotion> motions(1);
        EXPECT_EQ(Run_Analysis(ws, &motions), row.solved);
        EXPECT_EQ(freeMotionLines(motions), row.lines);
        EXPECT_EQ(ws.log.text().count(QStringLiteral("Free motion")), row.lines.size());
        const QVector<LogEntry> &log = ws.log.entries();
        const qsizetype n = log.size() - row.lines.size();
        if (!row.message.isEmpty()) {
            EXPECT_EQ(log[n - 1].text, row.message);
        }
        for (qsizetype i = 0; i < row.lines.size(); ++i) {
            EXPECT_EQ(log[n + i].text, row.lines[i]);
            EXPECT_EQ(log[n + i].colour, LogRed);
        }
    }
}

TEST(FreeMotions, UnsupportedCapacityModelSlidesBothWaysAndTurns)
{
    const Model m = girder(false);
    ASSERT_EQ(m.elementCount, 197);
    EXPECT_EQ(findFreeMotions(m).size(), 3u);
}

TEST(FreeMotions, FirstMotionIsDrawnOverTheModel)
{
    Workspace ws;
    ws.model = rotatingBar();
    const std::vector<FreeMotion> motions = findFreeMotions(ws.model);
    ASSERT_EQ(motions.size(), 1u);
    // Node 2 turns about the pin at (0,0): at right angles to the bar, its
    // larger component 1.
    const double ux = motions[0].u[3], uy = motions[0].u[4];
    EXPECT_NEAR(std::abs(ux), 1.0, 1e-12);
    EXPECT_NEAR(uy / ux, -0.75, 1e-12);
    const ViewTransform &v = ws.view;
    // Drawn a tenth of the area's smaller side, 15 cm, at most.
    const double x2 = v.ToScreenX(3) + 1.5 * ux, y2 = v.ToScreenY(4) - 1.5 * uy;
    const std::uint32_t deformation = colourValue(ws.settings.xroma_paramorfosis);

    for (const bool elementsShown : {true, false}) {
        SCOPED_TRACE(elementsShown);
        ws.settings.nai_stoixeia = elementsShown;
        RecordingCanvas canvas{20, 15};
        drawFreeMotion(ws, canvas, motions[0], 1);
        EXPECT_EQ(canvas.clearCount(), 1);
        const auto moved = canvas.findLine(v.ToScreenX(0), v.ToScreenY(0), x2, y2, 1e-9);
        EXPECT_EQ(moved.has_value(), elementsShown);
        // Only the moving node is marked, solid, where it goes.
        const auto mark = canvas.findCircle(x2, y2, 0.1, 1e-9);
        ASSERT_TRUE(mark);
        EXPECT_TRUE(mark->solid && mark->fill == deformation);
        EXPECT_FALSE(canvas.findCircle(v.ToScreenX(0), v.ToScreenY(0), 0.1));
        EXPECT_TRUE(canvas.findText(QStringLiteral("Free motion 1")));
    }
}
