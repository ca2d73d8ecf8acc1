// Deleting nodes and elements with the renumbering behind them, and
// emptying the model.
#include "core/EditingFixture.h"
#include "model/Diagrafes.h"
#include "model/Subs.h"

#include <gtest/gtest.h>

namespace {

// Five nodes, each row distinct so that any row that lands in the wrong
// place shows; elements (1,2), (2,4), (4,5).
void fiveNodeModel(Model &m)
{
    for (int n = 1; n <= 5; ++n) {
        truss::node(m, float(n), float(10 * n), n == 1, n == 4, 0, -n);
        truss::spring(m, n, float(100 * n), float(1000 * n));
    }
    truss::element(m, 1, 2, 1);
    truss::element(m, 2, 4, 2);
    truss::element(m, 4, 5, 1);
}

TEST(Diagrafes, RowsMoveDownAndReferencesFollow)
{
    const struct {
        bool node;
        int deleted;
        std::vector<int> rowsWere; // where each remaining row came from
        std::vector<Element> elements;
        const char *line;
    } cases[] = {
        // clang-format off
        {true, 3, {1, 2, 4, 5}, {{1, 2, 1}, {2, 3, 2}, {3, 4, 1}}, "Node deleted: #3. Nodes renumbered: #4 to #5."},
        {true, 4, {1, 2, 3, 5}, {{1, 2, 1}, {2, 4, 2}, {4, 4, 1}}, "Node deleted: #4. Nodes renumbered: #5."},
        {false, 1, {2, 3}, {{2, 4, 2}, {4, 5, 1}}, "Element deleted: #1. Elements renumbered: #2 to #3."},
        // clang-format on
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        Workspace ws;
        fiveNodeModel(ws.model);
        const Model before = ws.model;
        const Model &m = ws.model;
        if (c.node)
            Diagrafi_Kombou(ws.model, ws.log, c.deleted);
        else
            Diagrafi_Stoixeiou(ws.model, ws.log, c.deleted);

        EXPECT_EQ(c.node ? m.nodeCount : m.elementCount, int(c.rowsWere.size()));
        for (int now = 1; c.node && now <= int(c.rowsWere.size()); ++now)
            EXPECT_TRUE(m.nodes[now] == before.nodes[c.rowsWere[now - 1]]
                        && m.springs[now] == before.springs[c.rowsWere[now - 1]])
                << now;
        const int freed = int(c.rowsWere.size()) + 1;
        EXPECT_TRUE(c.node ? m.nodes[freed] == Node{} && m.springs[freed] == Spring{}
                           : m.elements[freed] == Element{});
        EXPECT_EQ(elementsOf(m), c.elements);
        EXPECT_TRUE(m.groups == before.groups && m.modelChanged);
        ASSERT_EQ(ws.log.entries().size(), 1);
        EXPECT_EQ(std::pair(ws.log.entries()[0].text, ws.log.entries()[0].colour),
                  std::pair(QString::fromLatin1(c.line), int(LogGreen)));
    }
}

// A caller's bad number must not write outside the tables or touch the log.
TEST(Diagrafes, NumbersOutsideTheModelAreIgnored)
{
    for (const int bad : {0, 6}) {
        Workspace ws;
        fiveNodeModel(ws.model);
        const Model before = ws.model;
        Diagrafi_Kombou(ws.model, ws.log, bad);
        Diagrafi_Stoixeiou(ws.model, ws.log, bad);
        EXPECT_TRUE(ws.model.sameData(before) && !ws.model.modelChanged
                    && ws.log.entries().isEmpty())
            << bad;
    }
}

TEST(ClearModel, EmptiesTablesAndResultsButKeepsFileNameAndFlags)
{
    Workspace ws;
    fiveNodeModel(ws.model);
    truss::group(ws.model, 2.1e8, 0.01);
    ws.model.fileName = QStringLiteral("/tmp/truss.kel");
    ws.model.modelChanged = ws.model.analysisFailed = true;
    ws.results.U[3] = 0.5;
    ws.results.extrema.maxAbsN = 10;
    Clear_Model(ws.model, ws.results);
    EXPECT_TRUE(ws.model.sameData(Model{}) && ws.results.U == AnalysisResults{}.U
                && ws.results.extrema == ResultExtrema{});
    EXPECT_EQ(std::tuple(ws.model.fileName, ws.model.modelChanged, ws.model.analysisFailed),
              std::tuple(QStringLiteral("/tmp/truss.kel"), true, true));
}

} // namespace
