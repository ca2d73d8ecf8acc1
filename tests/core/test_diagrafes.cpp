#include "model/Diagrafes.h"
#include "model/Subs.h"
#include "workspace/Workspace.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

// Five nodes, each row distinct so that any row that lands in the wrong
// place shows; elements (1,2), (2,4), (4,5).
void fiveNodeModel(Model &m)
{
    m.nodeCount = 5;
    for (int n = 1; n <= 5; ++n) {
        m.nodes[n] =
            Node{float(n), float(10 * n), n == 1 ? 1.0f : 0.0f, n == 4 ? 1.0f : 0.0f, 0.0f, 0.0f};
        m.springs[n] = Spring{float(100 * n), float(1000 * n)};
    }
    m.nodes[5].fx = 7;
    m.nodes[5].fy = -3;
    m.elementCount = 3;
    m.elements[1] = Element{1, 2, 1};
    m.elements[2] = Element{2, 4, 2};
    m.elements[3] = Element{4, 5, 1};
}

TEST(Diagrafes, DeletingAMiddleNodeRenumbersEverythingBehindIt)
{
    Workspace ws;
    fiveNodeModel(ws.model);
    const Model before = ws.model;

    Diagrafi_Kombou(ws.model, ws.log, 3);

    const Model &m = ws.model;
    EXPECT_EQ(m.nodeCount, 4);
    for (const auto &[now, was] : {std::pair{1, 1}, {2, 2}, {3, 4}, {4, 5}}) {
        EXPECT_EQ(m.nodes[now], before.nodes[was]) << now;
        EXPECT_EQ(m.springs[now], before.springs[was]) << now;
    }
    EXPECT_EQ(m.nodes[5], Node{});
    EXPECT_EQ(m.springs[5], Spring{});
    EXPECT_EQ(m.elements[1], (Element{1, 2, 1}));
    EXPECT_EQ(m.elements[2], (Element{2, 3, 2}));
    EXPECT_EQ(m.elements[3], (Element{3, 4, 1}));
    EXPECT_TRUE(m.modelChanged);

    ASSERT_EQ(ws.log.entries().size(), 1);
    EXPECT_EQ(ws.log.entries()[0].text, "Node deleted: #3. Nodes renumbered: #4 to #5.");
    EXPECT_EQ(ws.log.entries()[0].colour, LogGreen);
}

TEST(Diagrafes, LogLineNamesTheRenumberedItems)
{
    const struct {
        bool node;
        int count, deleted;
        const char *line;
    } cases[] = {
        {true, 7, 7, "Node deleted: #7."},
        {true, 7, 3, "Node deleted: #3. Nodes renumbered: #4 to #7."},
        {true, 1, 1, "Node deleted: #1."},
        {false, 2, 2, "Element deleted: #2."},
        {false, 2, 1, "Element deleted: #1. Elements renumbered: #2."},
        {false, 200, 10, "Element deleted: #10. Elements renumbered: #11 to #200."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        Workspace ws;
        if (c.node) {
            ws.model.nodeCount = std::int16_t(c.count);
            Diagrafi_Kombou(ws.model, ws.log, c.deleted);
            EXPECT_EQ(ws.model.nodeCount, c.count - 1);
        } else {
            ws.model.elementCount = std::int16_t(c.count);
            Diagrafi_Stoixeiou(ws.model, ws.log, c.deleted);
            EXPECT_EQ(ws.model.elementCount, c.count - 1);
        }
        EXPECT_EQ(ws.log.lastLine(), QStringLiteral(" ") + QString::fromLatin1(c.line));
        EXPECT_TRUE(ws.model.modelChanged);
    }
}

TEST(Diagrafes, DeletingTheLastNodeChangesNoElement)
{
    Workspace ws;
    fiveNodeModel(ws.model);
    ws.model.elementCount = 2; // node 5 no longer used
    const Model before = ws.model;

    Diagrafi_Kombou(ws.model, ws.log, 5);

    EXPECT_EQ(ws.model.nodeCount, 4);
    EXPECT_EQ(ws.model.elements, before.elements);
    EXPECT_EQ(ws.model.nodes[5], Node{});
    EXPECT_EQ(ws.model.springs[5], Spring{});
}

TEST(Diagrafes, DeletingAnElementMovesLaterRowsWithTheirGroups)
{
    Workspace ws;
    fiveNodeModel(ws.model);
    const Model before = ws.model;

    Diagrafi_Stoixeiou(ws.model, ws.log, 1);

    const Model &m = ws.model;
    EXPECT_EQ(m.elementCount, 2);
    EXPECT_EQ(m.elements[1], before.elements[2]);
    EXPECT_EQ(m.elements[2], before.elements[3]);
    EXPECT_EQ(m.elements[3], Element{});
    EXPECT_EQ(m.nodes, before.nodes);
    EXPECT_EQ(m.groups, before.groups);
    EXPECT_TRUE(m.modelChanged);
}

// A caller's bad number must not write outside the tables or touch the log.
TEST(Diagrafes, NumbersOutsideTheModelAreIgnored)
{
    for (const int bad : {0, -1, 6, 101, 32767}) {
        SCOPED_TRACE(bad);
        Workspace ws;
        fiveNodeModel(ws.model);
        const Model before = ws.model;
        Diagrafi_Kombou(ws.model, ws.log, bad);
        Diagrafi_Stoixeiou(ws.model, ws.log, bad);
        EXPECT_TRUE(ws.model.sameData(before));
        EXPECT_FALSE(ws.model.modelChanged);
        EXPECT_TRUE(ws.log.entries().isEmpty());
    }
}

TEST(ClearModel, EmptiesTablesAndResultsButKeepsFileNameAndFlags)
{
    for (const bool flags : {false, true}) {
        Workspace ws;
        fiveNodeModel(ws.model);
        ws.model.groupCount = 2;
        ws.model.groups[1] = ElementGroup{2.1e8, 0.01};
        ws.model.fileName = QStringLiteral("/tmp/truss.kel");
        ws.model.modelChanged = flags;
        ws.model.analysisFailed = flags;
        ws.results.U[3] = 0.5;
        ws.results.extrema.maxAbsN = 10;
        ws.settings.kannab = 2.5f;

        Clear_Model(ws.model, ws.results);

        EXPECT_TRUE(ws.model.sameData(Model{}));
        EXPECT_EQ(ws.results.U, AnalysisResults{}.U);
        EXPECT_EQ(ws.results.extrema, ResultExtrema{});
        EXPECT_EQ(ws.model.fileName, "/tmp/truss.kel");
        EXPECT_EQ(ws.model.modelChanged, flags);
        EXPECT_EQ(ws.model.analysisFailed, flags);
        EXPECT_EQ(ws.settings.kannab, 2.5f);
    }
}

} // namespace
