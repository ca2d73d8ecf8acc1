// Run_Analysis as the user meets it: the log, the boxes, the analyse button
// and pointer, the flags, and what a refused or failed run leaves behind.
#include "ScriptedPrompts.h"
#include "analysis/AnalysisStages.h"
#include "analysis/TimeOfDay.h"
#include "analysis/epilisi.h"
#include "test_analysis_helpers.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <cmath>
#include <functional>
#include <limits>

namespace {

using namespace truss;

const char *const kTime = "\\S.*"; // a time of day, whatever the platform's form

bool matches(const QString &text, const QString &pattern)
{
    return QRegularExpression(QLatin1Char('^') + pattern + QLatin1Char('$')).match(text).hasMatch();
}

// Supports at (0,0) and (2,0), apex (1,1) loaded by -10 in y; E = A = 1.
void apexTruss(Model &m)
{
    group(m, 1, 1);
    node(m, 0, 0, 1, 1);
    node(m, 2, 0, 1, 1);
    node(m, 1, 1, 0, 0, 0, -10);
    element(m, 1, 3);
    element(m, 2, 3);
}

// A workspace with scripted prompts and recorded hooks, holding results of
// an earlier analysis that a failed run must not touch.
struct Fixture {
    Workspace ws;
    ScriptedPrompts prompts;
    RecordingHooks hooks;
    AnalysisResults earlier;

    Fixture()
    {
        ws.setPrompts(&prompts);
        ws.setHooks(&hooks);
        for (int i = 1; i <= kMaxDofs; ++i)
            earlier.U[i] = 0.25 * i;
        earlier.F[1] = {0, -3, 3};
        earlier.R[1] = {0, 7, 8};
        earlier.extrema.maxAbsN = 3;
        earlier.extrema.minE = -1;
        ws.results = earlier;
    }
    QStringList lines() const { return ws.log.text().split(QStringLiteral("\r\n")); }
};

bool sameResults(const AnalysisResults &a, const AnalysisResults &b)
{
    return a.U == b.U && a.F == b.F && a.R == b.R && a.extrema == b.extrema;
}

const std::vector<std::string> kBalancedRun = {"disable", "repaint", "busy", "idle", "enable"};

TEST(RunAnalysis, SuccessfulRunLogsAndRestoresTheWindow)
{
    Fixture f;
    apexTruss(f.ws.model);
    // Groups that no element uses do not enter the analysis, whatever they hold.
    group(f.ws.model, 0, -1);
    group(f.ws.model, std::numeric_limits<double>::quiet_NaN(), 0);
    f.ws.model.modelChanged = true;
    f.ws.model.analysisFailed = true;
    ASSERT_TRUE(Run_Analysis(f.ws));

    const QStringList lines = f.lines();
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[1], " ANALYSIS");
    EXPECT_TRUE(matches(lines[2], QStringLiteral(" Start:  ") + kTime)) << lines[2].toStdString();
    EXPECT_TRUE(matches(lines[3], QStringLiteral(" Finish:  ") + kTime)) << lines[3].toStdString();
    EXPECT_TRUE(matches(lines[4], QStringLiteral(" Total time:  \\d+(\\.\\d{1,3})? sec")))
        << lines[4].toStdString();
    EXPECT_TRUE(f.ws.log.entries()[0].bold);
    EXPECT_EQ(f.ws.log.entries().back().colour, LogBlack);

    EXPECT_EQ(f.hooks.calls, kBalancedRun);
    EXPECT_TRUE(f.prompts.shown.empty());
    EXPECT_FALSE(f.ws.model.analysisFailed);
    EXPECT_FALSE(f.ws.model.modelChanged);
    EXPECT_NEAR(f.ws.results.extrema.maxAbsN, 5 * std::sqrt(2.0), 1e-12);
}

TEST(RunAnalysis, EmptyModelIsNotAnalysed)
{
    Fixture f;
    EXPECT_FALSE(Run_Analysis(f.ws));
    EXPECT_TRUE(f.ws.log.text().isEmpty());
    EXPECT_TRUE(f.hooks.calls.empty());
    EXPECT_TRUE(sameResults(f.ws.results, f.earlier));
}

// A structure the solver cannot get through, or results that overflow after
// a solution that went through (no infinity may reach the results, the report
// or the drawing): the start line is continued by the termination time, then
// the box and the red line; nothing else changes.
TEST(RunAnalysis, SolutionFailureKeepsEarlierResults)
{
    struct Case {
        const char *name;
        double E, A;
        bool mechanism;
    };
    const Case cases[] = {
        {"node 3 held in x by nothing", 1, 1, true},
        {"stiffness E A overflows", 1e300, 1e300, false},
        // E A = 1 and N = 10 are harmless, but the stress N / A is not.
        {"stress overflows", 1e308, 1e-308, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        Model &m = f.ws.model;
        apexTruss(m);
        m.groups[1] = ElementGroup{c.E, c.A};
        if (c.mechanism)
            m.elements[2] = Element{1, 3, 1};
        m.modelChanged = true;
        EXPECT_FALSE(Run_Analysis(f.ws));

        // The mechanism's free motion follows the program's own lines.
        const QStringList lines = f.lines();
        ASSERT_EQ(lines.size(), c.mechanism ? 5 : 4);
        EXPECT_EQ(lines[1], " ANALYSIS");
        EXPECT_TRUE(matches(lines[2], QStringLiteral(" Start:  %1 , Termination: %1").arg(kTime)))
            << lines[2].toStdString();
        EXPECT_EQ(lines[3], QLatin1Char(' ') + kAnalysisErrorText);
        EXPECT_EQ(f.ws.log.entries().back().colour, LogRed);
        ASSERT_EQ(f.prompts.shown.size(), 1u);
        EXPECT_EQ(f.prompts.shown[0].text, kAnalysisErrorText);
        EXPECT_EQ(f.hooks.calls, kBalancedRun);
        EXPECT_TRUE(m.analysisFailed);
        EXPECT_TRUE(m.modelChanged);
        EXPECT_TRUE(sameResults(f.ws.results, f.earlier));

        // The next run starts with a clean flag.
        m = Model{};
        apexTruss(m);
        EXPECT_TRUE(Run_Analysis(f.ws));
        EXPECT_FALSE(m.analysisFailed);
    }
    EXPECT_EQ(kAnalysisErrorText,
              "An error occured during the analysis process. Make sure that the structure is "
              "well defined (not a mechanism) and can be analyzed.");
}

// Models the analysis must refuse before it assembles, each with a message
// that names the item and what is wrong with it.
TEST(RunAnalysis, RefusesModelsItCannotAnalyse)
{
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    struct Case {
        std::function<void(Model &)> spoil;
        const char *message;
    };
    // clang-format off
    const Case cases[] = {
        {[](Model &m) { m.nodes[3] = m.nodes[1]; }, "Element #1 has zero length (nodes #1 and #3)."},
        {[](Model &m) { m.nodes[3].x = float(inf); }, "Element #1 has a length that is not a finite number (nodes #1 and #3)."},
        {[](Model &m) { m.elements[2].nj = 4; }, "Element #2 refers to node #4 as its node j, but the model has nodes #1 to #3 only."},
        {[](Model &m) { m.elements[1].ni = 0; }, "Element #1 refers to node #0 as its node i, but the model has nodes #1 to #3 only."},
        {[](Model &m) { m.groupCount = 0; }, "Element #1 refers to E,A group #1, but the model has no E,A groups."},
        {[](Model &m) { m.groups[1].E = 0; }, "E,A group #1 has Young's modulus E = 0, which is not greater than 0."},
        {[](Model &m) { m.groups[1].A = -2.5; }, "E,A group #1 has section area A = -2.5, which is not greater than 0."},
        {[](Model &m) { m.groups[1].E = nan; }, "E,A group #1 has a Young's modulus E that is not a finite number."},
        {[](Model &m) { m.groups[1].A = inf; }, "E,A group #1 has a section area A that is not a finite number."},
        {[](Model &m) { group(m, 1, 0); m.elements[2].group = 2; }, "E,A group #2 has section area A = 0, which is not greater than 0."},
        {[](Model &m) { m.nodes[3].cy = 0.5f; }, "Node #3 has the y-constraint flag 0.5, which is neither 0 (free) nor 1 (fixed)."},
        {[](Model &m) { m.nodes[2].fx = float(nan); }, "Node #2 has a nodal load that is not a finite number."},
        {[](Model &m) { spring(m, 3, -1, 0); }, "Node #3 has the spring constant Kx = -1, which is negative."},
        {[](Model &m) { spring(m, 3, 0, float(inf)); }, "Node #3 has a spring constant Ky that is not a finite number."},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.message);
        Fixture f;
        Model &m = f.ws.model;
        apexTruss(m);
        c.spoil(m);
        m.modelChanged = true;
        EXPECT_FALSE(Run_Analysis(f.ws));

        ASSERT_EQ(f.prompts.shown.size(), 1u);
        const QString message =
            QString::fromUtf8(c.message) + " The analysis cannot be carried out.";
        EXPECT_EQ(f.prompts.shown[0].text, message);
        EXPECT_EQ(f.prompts.shown[0].icon, PromptIcon::Critical);
        const QStringList lines = f.lines();
        ASSERT_EQ(lines.size(), 4);
        EXPECT_TRUE(matches(lines[2], QStringLiteral(" Start:  %1 , Termination: %1").arg(kTime)));
        EXPECT_EQ(lines[3], QLatin1Char(' ') + message);
        EXPECT_EQ(f.ws.log.entries().back().colour, LogRed);

        EXPECT_TRUE(m.analysisFailed);
        EXPECT_TRUE(m.modelChanged);
        EXPECT_TRUE(sameResults(f.ws.results, f.earlier));
        EXPECT_EQ(f.hooks.calls, kBalancedRun);
    }
}

// The warning for a probable mechanism: strictly above 10^7, naming the first
// DOF with the largest displacement.
TEST(RunAnalysis, MechanismWarning)
{
    const QString sentence = QStringLiteral(
        "The analysis has been carried out successfully, yet some of the resultant "
        "displacements have excessive values. The structure is probably a mechanism.");
    struct Case {
        float push2;     // x load on node 2 (bar 1-2 along x, EA/L = 1)
        float push4;     // y load on node 4 (bar 3-4 along y, EA/L = 1)
        const char *box; // nullptr: no warning
    };
    const Case cases[] = {
        {1e7f, 0, nullptr},
        {2e7f, -2e7f, "max.(u) = u(3) = 20000000"}, // a tie names the lower DOF
        {2e7f, -3e7f, "max.(u) = u(8) = 30000000"},
        {10000001, 0, "max.(u) = u(3) = 10000001"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.box ? c.box : "no warning");
        Fixture f;
        Model &m = f.ws.model;
        group(m, 1, 1);
        node(m, 0, 0, 1, 1);
        node(m, 1, 0, 0, 1, c.push2, 0);
        node(m, 5, 0, 1, 1);
        node(m, 5, 1, 1, 0, 0, c.push4);
        element(m, 1, 2);
        element(m, 3, 4);
        m.modelChanged = true;
        ASSERT_TRUE(Run_Analysis(f.ws));
        EXPECT_FALSE(m.modelChanged);
        if (!c.box) {
            EXPECT_TRUE(f.prompts.shown.empty());
            EXPECT_TRUE(f.lines().last().startsWith(QStringLiteral(" Total time:")));
            continue;
        }
        EXPECT_EQ(f.lines().last(), QLatin1Char(' ') + sentence);
        EXPECT_EQ(f.ws.log.entries().back().colour, LogRed);
        ASSERT_EQ(f.prompts.shown.size(), 1u);
        EXPECT_EQ(f.prompts.shown[0].text,
                  sentence + QStringLiteral("\r\n\r\n") + QString::fromLatin1(c.box));
        // The box comes after the window is usable again.
        EXPECT_EQ(f.hooks.calls, kBalancedRun);
    }
}

// The log's times always show the seconds (a run takes less than one) and
// never the time zone.
TEST(TimeOfDay, ShowsSecondsWithoutZone)
{
    const QString text = timeOfDay(QTime(14, 5, 9));
    EXPECT_TRUE(text.contains(QStringLiteral(":05:09"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("UTC")));
    EXPECT_EQ(text, text.trimmed());
}

} // namespace
