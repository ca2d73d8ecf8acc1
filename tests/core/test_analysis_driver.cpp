// Run_Analysis as the user meets it: the log, the boxes, the analyse button
// and pointer, the flags, what a refused or failed run leaves behind; and the
// mechanism diagnosis: which nodes and directions are free to move.
#include "analysis/AnalysisStages.h"
#include "analysis/FreeMotions.h"
#include "analysis/epilisi.h"
#include "core/Fixtures.h"

#include <QRegularExpression>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <tuple>

namespace {

using namespace truss;

const std::vector<std::string> kBalancedRun = {"disable", "repaint", "busy", "idle", "enable"};
const QString kTime = QStringLiteral("\\S.*"); // whatever the platform's form

void expectLine(const QString &line, const QString &pattern)
{
    EXPECT_TRUE(
        QRegularExpression(QLatin1Char('^') + pattern + QLatin1Char('$')).match(line).hasMatch())
        << line.toStdString();
}

// The apex truss, changed by `spoil`, in a workspace holding the results of
// an earlier analysis that a failed run must leave alone.
struct ApexRun : TestWorkspace {
    AnalysisResults earlier;
    explicit ApexRun(const std::function<void(Model &)> &spoil = {})
    {
        apex(model);
        if (spoil)
            spoil(model);
        model.modelChanged = true;
        for (int i = 1; i <= kMaxDofs; ++i)
            earlier.U[i] = 0.25 * i;
        earlier.F[1] = {0, -3, 3};
        earlier.R[1] = {0, 7, 8};
        earlier.extrema.minE = -1;
        results = earlier;
    }

    // Refused or failed: the start line continued by the termination time,
    // the box, the red line, then for a mechanism its free motion in red;
    // flags set, results and window as they were.
    void expectFailure(const QString &message, const QString &freeMotion)
    {
        prompts.answers = {PromptAnswer::Ok};
        EXPECT_FALSE(Run_Analysis(*this));
        ASSERT_EQ(prompts.shown.size(), 1u);
        EXPECT_EQ(std::pair(prompts.shown[0].text, prompts.shown[0].icon),
                  std::pair(message, PromptIcon::Critical));
        expectLine(log.text(),
                   QStringLiteral("\r\n ANALYSIS\r\n Start:  %1 , Termination: %1\r\n ").arg(kTime)
                       + QRegularExpression::escape(message)
                       + (freeMotion.isEmpty() ? QString() : "\r\n " + freeMotion));
        EXPECT_EQ(log.entries().back().colour, LogRed);
        EXPECT_EQ(std::pair(model.analysisFailed, model.modelChanged), std::pair(true, true));
        EXPECT_EQ(hooks.calls, kBalancedRun);
        EXPECT_EQ(std::tie(results.U, results.F, results.R, results.extrema),
                  std::tie(earlier.U, earlier.F, earlier.R, earlier.extrema));
    }
};

TEST(RunAnalysis, SuccessfulRunLogsAndRestoresTheWindow)
{
    // Groups that no element uses do not enter the analysis, whatever they hold.
    ApexRun run([](Model &m) {
        group(m, 0, -1);
        group(m, std::numeric_limits<double>::quiet_NaN(), 0);
    });
    run.model.analysisFailed = true;
    ASSERT_TRUE(Run_Analysis(run));

    expectLine(run.log.text(),
               QStringLiteral("\r\n ANALYSIS\r\n Start:  %1\r\n Finish:  %1\r\n "
                              "Total time:  \\d+(\\.\\d{1,3})? sec")
                   .arg(kTime));
    EXPECT_EQ(std::pair(run.log.entries()[0].bold, run.log.entries().back().colour),
              std::pair(true, int(LogBlack)));
    EXPECT_EQ(run.hooks.calls, kBalancedRun);
    EXPECT_EQ(std::pair(run.model.analysisFailed, run.model.modelChanged), std::pair(false, false));
    EXPECT_NEAR(run.results.extrema.maxAbsN, 5 * std::sqrt(2.0), 1e-12);

    // Without nodes there is nothing to run and nothing changes.
    ApexRun empty([](Model &m) { m = Model{}; });
    EXPECT_FALSE(Run_Analysis(empty));
    EXPECT_TRUE(empty.log.entries().isEmpty() && empty.hooks.calls.empty());
    EXPECT_EQ(empty.results.U, empty.earlier.U);

    // A held node without elements analyses, but there are no element
    // results to be up to date.
    ApexRun lone([](Model &m) {
        m = Model{};
        node(m, 0, 0, 1, 1);
    });
    EXPECT_EQ(std::pair(Run_Analysis(lone), lone.model.modelChanged), std::pair(true, true));
}

// Models the analysis refuses before it assembles, each named with the item
// and what is wrong with it, one row per kind; and structures the solver
// cannot get through or whose results overflow (no infinity may reach the
// results). The recorded outcomes of test_analysis_bits.cpp hold more.
TEST(RunAnalysis, RefusedAndFailedRunsKeepTheEarlierResults)
{
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    const QString failed = kAnalysisErrorText;
    struct Case {
        std::function<void(Model &)> spoil;
        QString message; // without " The analysis cannot be carried out."
        bool refused = true;
        QString freeMotion = {}; // the diagnosis' line after a failed solution
    };
    // clang-format off
    const Case cases[] = {
        {[](Model &m) { m.nodes[3] = m.nodes[1]; }, "Element #1 has zero length (nodes #1 and #3)."},
        {[](Model &m) { m.nodes[3].x = float(inf); }, "Element #1 has a length that is not a finite number (nodes #1 and #3)."},
        {[](Model &m) { m.groupCount = 0; }, "Element #1 refers to E,A group #1, but the model has no E,A groups."},
        {[](Model &m) { m.elements[2].group = 2; }, "Element #2 refers to E,A group #2, but the model has groups #1 to #1 only."},
        {[](Model &m) { m.groups[1].E = 0; }, "E,A group #1 has Young's modulus E = 0, which is not greater than 0."},
        {[](Model &m) { m.nodes[2].fx = float(nan); }, "Node #2 has a nodal load that is not a finite number."},
        {[](Model &m) { spring(m, 3, 0, float(inf)); }, "Node #3 has a spring constant Ky that is not a finite number."},
        {[](Model &m) { m.elementCount = kMaxElements + 1; }, "The model holds 201 elements, but at most 200 can be analysed."},
        {[](Model &m) { m.elements[2] = Element{1, 3, 1}; }, failed, false, "Free motion 1: node #3 in x and y"},
        {[](Model &m) { m.groups[1] = {1e308, 1e-308}; }, failed, false},    // N / A overflows
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        ApexRun(c.spoil).expectFailure(
            c.refused ? c.message + " The analysis cannot be carried out." : c.message,
            c.freeMotion);
    }
    EXPECT_EQ(failed,
              "An error occured during the analysis process. Make sure that the structure "
              "is well defined (not a mechanism) and can be analyzed.");
}

// The warning for a probable mechanism: strictly above 10^7, naming the first
// DOF with the largest displacement.
TEST(RunAnalysis, MechanismWarning)
{
    const QString sentence = QStringLiteral(
        "The analysis has been carried out successfully, yet some of the resultant "
        "displacements have excessive values. The structure is probably a mechanism.");
    const struct {
        float push2;     // x load on node 2 (bar 1-2 along x, EA/L = 1)
        float push4;     // y load on node 4 (bar 3-4 along y, EA/L = 1)
        const char *box; // nullptr: no warning
    } cases[] = {
        {1e7f, 0, nullptr},
        {2e7f, -2e7f, "max.(u) = u(3) = 20000000"}, // a tie names the lower DOF
        {10000001, 0, "max.(u) = u(3) = 10000001"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.box ? c.box : "no warning");
        ApexRun run([&](Model &m) {
            m.nodes[1] = {0, 0, 1, 1, 0, 0};
            m.nodes[2] = {1, 0, 0, 1, c.push2, 0};
            m.nodes[3] = {5, 0, 1, 1, 0, 0};
            node(m, 5, 1, 1, 0, 0, c.push4);
            m.elements[1] = {1, 2, 1};
            m.elements[2] = {3, 4, 1};
        });
        if (c.box)
            run.prompts.answers = {PromptAnswer::Ok};
        ASSERT_TRUE(Run_Analysis(run));
        EXPECT_FALSE(run.model.modelChanged);
        EXPECT_EQ(run.hooks.calls, kBalancedRun); // the box comes after the window is usable
        EXPECT_EQ(run.log.text().endsWith(QLatin1Char(' ') + sentence), c.box != nullptr);
        EXPECT_EQ(run.log.entries().back().colour, c.box ? LogRed : LogBlack);
        ASSERT_EQ(run.prompts.shown.size(), c.box ? 1u : 0u);
        EXPECT_TRUE(!c.box || run.prompts.shown[0].text == sentence + "\r\n\r\n" + c.box);
    }
}

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

} // namespace

TEST(FreeMotions, NameTheNodesAndDirectionsThatMove)
{
    Model freeNode = build(kTriangle, kTriangleBars);
    truss::node(freeNode, 6, 6);
    // Held in y by a spring of 1e-6 beside a bar of 500.
    Model hanging = build({{0, 0, 1, 1}, {2, 0}}, {{1, 2}});
    truss::spring(hanging, 2, 0, 1e-6f);
    const struct {
        const char *what;
        Model model;
        QStringList lines;
    } rows[] = {
        {"free node", freeNode, {"Free motion 1: node #4 in x", "Free motion 2: node #4 in y"}},
        {"rotating bar",
         build({{0, 0, 1, 1}, {3, 4}}, {{1, 2}}),
         {"Free motion 1: node #2 in x and y"}},
        {"hanging bar", hanging, {"Free motion 1: node #2 in y"}},
        {"square panel", squarePanel(), {"Free motion 1: node #3 in x, node #4 in x"}},
        {"floating triangle",
         build({{0, 0}, {4, 0}, {0, 3}}, kTriangleBars),
         {"Free motion 1: node #1 in x, node #2 in x, node #3 in x",
          "Free motion 2: node #1 in y, node #3 in x and y",
          "Free motion 3: node #2 in y, node #3 in x"}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(freeMotionLines(findFreeMotions(row.model)), row.lines) << row.what;
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
    EXPECT_TRUE(findFreeMotions(build(kTriangle, kTriangleBars)).empty());
    EXPECT_TRUE(findFreeMotions(stiffAndSoft).empty());
}
