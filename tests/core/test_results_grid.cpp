// The data and results window: the cells of its grids (texts, colours and
// roles, as the window shows them and the spreadsheet export writes them).
#include "Fixtures.h"
#include "analysis/Functions_Bres_Megista.h"
#include "reports/ModelTree.h"
#include "reports/ResultsGrid.h"

#include <gtest/gtest.h>

#include <cfloat>

namespace {

using namespace truss;

// The whole grid, one string per row: the cells joined by "|", each with
// "/B", "/R" or "/G" when it is not black.
QStringList dump(const ResultsGrid &g)
{
    QStringList rows;
    for (int r = 0; r < g.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < g.columnCount(); ++c) {
            const GridCell &cell = g.cell(r, c);
            cells << cell.text;
            if (cell.colour != CellColour::Black)
                cells.last() += QStringLiteral("/") + QLatin1Char("KBRG"[int(cell.colour)]);
        }
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

struct ReportModel : Workspace {
    ReportModel()
    {
        reportModel(*this);
        results.extrema = findExtrema(model, results);
    }
};

TEST(ResultsGrid, ModelDataListsEverySectionInPlainForm)
{
    ReportModel ws;
    ws.model.nodes[1].fx = 9; // the first and the last node loaded too
    ws.model.nodes[4].fy = 7;
    const ResultsGrid g = dataGridCells(ws.model);
    EXPECT_EQ(g.title(), QStringLiteral("Model data"));
    EXPECT_EQ(dump(g),
              (QStringList{"Groups|E|A|||",
                           "1|210000000|0.5|||",
                           "2|70000|2|||",
                           "|||||",
                           "Nodes|x|y|Constraints|Kx|Ky",
                           "1|0|0|xx||",
                           "2|0.5|3|||",
                           "3|4|-2.25|ox|0.5|",
                           "4|2|1|xo|100|",
                           "|||||",
                           "Elements|Start node i|End node j|E,A Group||",
                           "1|1|2|1||",
                           "2|2|3|2||",
                           "3|3|4|1||",
                           "4|1|4|2||",
                           "|||||",
                           "Nodal L.|Node|Fx|Fy||",
                           "1|1|9|||",
                           "2|2||5||",
                           "3|3|-1.5|||",
                           "4|4||7||"}));
    // Section titles open the heading rows, whose other cells are headings
    // like the item numbers; values are plain cells.
    EXPECT_EQ(
        std::tuple(g.cell(10, 0).role, g.cell(10, 5).role, g.cell(5, 0).role, g.cell(5, 1).role),
        std::tuple(CellRole::SectionTitle, CellRole::Heading, CellRole::Heading, CellRole::Value));
    // Outside the grid: an empty cell, never a read past the rows.
    for (auto [row, column] : {std::pair{-1, 0}, {0, -1}, {g.rowCount(), 0}, {0, g.columnCount()}})
        EXPECT_EQ(g.cell(row, column), GridCell{}) << row << ',' << column;
}

// The model tree: one line per entry, two spaces per level, the key in
// brackets, the text, "*" for a bold entry; the sections even when empty.
void flatten(const TreeEntry &e, int level, QStringList &out)
{
    out << QString(2 * level, QLatin1Char(' ')) + QLatin1Char('[') + e.key + QStringLiteral("] ")
            + e.text + (e.bold ? QStringLiteral(" *") : QString());
    for (const TreeEntry &child : e.children)
        flatten(child, level + 1, out);
}

TEST(ModelTree, EveryItemWithItsValuesAndTheSectionsWhenEmpty)
{
    Model m;
    const auto lines = [&m] {
        QStringList out;
        flatten(Ftiakse_treeview(m), 0, out);
        return out;
    };
    const QStringList sections{"[] Model *", "  [omad] E,A Element Groups *", "  [komb] Nodes *",
                               "  [stoi] Elements *", "  [sigk] Nodal loads *"};
    EXPECT_EQ(lines(), sections);
    group(m, 210000000, 0.5);
    group(m, 70000, 2);
    node(m, 0, 0, 1, 1);
    node(m, 4, -2.25f, 0, 1, -1.5f, 0);
    spring(m, 2, 0.5f, 2.5f);
    element(m, 1, 2, 2);
    // clang-format off
    EXPECT_EQ(lines(), (QStringList{
        "[] Model *", "  [omad] E,A Element Groups *",
        "    [omad1] #1 E,A Group", "      [] E = 210000000", "      [] A = 0.5",
        "    [omad2] #2 E,A Group", "      [] E = 70000", "      [] A = 2",
        "  [komb] Nodes *",
        "    [komb1] #1 Node", "      [] x = 0", "      [] y = 0", "      [] Constraints: xx",
        "    [komb2] #2 Node", "      [] x = 4", "      [] y = -2.25", "      [] Constraints: ox",
        "      [] Kx = 0.5", "      [] Ky = 2.5",
        "  [stoi] Elements *",
        "    [stoi1] #1 Element", "      [] Start node i: 1", "      [] End node j: 2",
        "      [] Belongs to E,A group: 2",
        "  [sigk] Nodal loads *", "    [sigk1] #1 Nodal load", "      [] On node: #2", "      [] Fx = -1.5"}));
    // clang-format on
}

// Fixed directions stay empty. The smallest uy is red; the largest ux, on a
// spring, green; the largest uy and the largest total blue. Reactions list
// held and sprung nodes, spring forces in green: node 4 is held in x with a
// spring there, so its x column holds -Kx ux (a negative zero, written 0).
TEST(ResultsGrid, ResultsWithTheirExtremesAndSpringsMarked)
{
    ReportModel ws;
    const struct {
        ResultsGrid grid;
        QStringList rows;
    } cases[] = {
        {nodesGridCells(ws.model, ws.results),
         {"Node|x - Displacement|y - Displacement|Total Displacement", "1|||", "2|0.3|-0.4/R|0.5",
          "3|2/G||2", "4||3/B|3/B"}},
        {elementsGridCells(ws.model, ws.results),
         {"Element|Axial force F|Axial stress s=F/A|Axial strain e=s/E|F critical",
          "1|10|20|9.52380952380952E-08|112033347.255609",
          "2|-20|-10|-0.000142857142857143|34706.3011906438",
          "3|0.5|1|4.76190476190476E-09|71162812.8490562",
          "4|4|2|2.85714285714286E-05|276348.923230501"}},
        {reactionsGridCells(ws.model, ws.results),
         {"Node|Force Fx|Force Fy", "1|1.5|-5", "3|-1/G|2", "4|0/G|"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(dump(c.grid), c.rows) << qPrintable(c.grid.name());
}

// A hand-edited file can bring in a zero length, a group or a node that does
// not exist, and results that overflow (N / A, the total displacement): no "inf" or "nan" reaches the grid.
TEST(ResultsGrid, ImpossibleValuesLeaveTheirCellsEmpty)
{
    Workspace ws;
    Model &m = ws.model;
    group(m, DBL_MAX, 1e-300);
    node(m, 1, 1);
    node(m, 1, 1);
    element(m, 1, 2, 1); // zero length
    element(m, 1, 2, 7); // no group 7
    element(m, 1, 9, 1); // no node 9
    ws.results.U[3] = -DBL_MAX;
    ws.results.F[3] = {0, 0, 1e300};
    EXPECT_EQ(dataGridCells(m).cell(1, 1).text, QStringLiteral("1.79769313486232E+308"));
    EXPECT_EQ(dump(elementsGridCells(m, ws.results)).mid(1),
              (QStringList{"1|0|0|0|", "2|0|||", "3|1E+300|||"}));
    // The total of the largest double overflows.
    EXPECT_EQ(dump(nodesGridCells(m, ws.results))[2],
              QStringLiteral("2|-1.79769313486232E+308|0|"));
}

} // namespace
