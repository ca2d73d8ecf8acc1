// The cells of the data and results window's grids: texts, colours and
// roles, as the window shows them and the spreadsheet export writes them.
#include "Fixtures.h"
#include "analysis/Functions_Bres_Megista.h"
#include "reports/ResultsGrid.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <vector>

namespace {

using namespace truss;
using Rows = std::vector<std::vector<const char *>>;

// The report model with the extrema its results give.
void build(Workspace &ws)
{
    reportModel(ws);
    ws.results.extrema = findExtrema(ws.model, ws.results);
}

// Every text of the grid, row by row, so a failure names the cell.
void expectTexts(const ResultsGrid &g, const Rows &rows)
{
    ASSERT_EQ(g.rowCount(), int(rows.size()));
    for (int r = 0; r < g.rowCount(); ++r) {
        const auto &row = rows[std::size_t(r)];
        for (int c = 0; c < g.columnCount(); ++c) {
            const char *want = c < int(row.size()) ? row[std::size_t(c)] : "";
            EXPECT_EQ(g.cell(r, c).text, QString::fromLatin1(want))
                << "row " << r << " column " << c;
        }
    }
}

std::vector<CellColour> colours(const ResultsGrid &g, int row)
{
    std::vector<CellColour> out;
    for (int c = 0; c < g.columnCount(); ++c)
        out.push_back(g.cell(row, c).colour);
    return out;
}

constexpr CellColour K = CellColour::Black, B = CellColour::Blue, R = CellColour::Red,
                     G = CellColour::Green;

TEST(ResultsGrid, EmptyModelKeepsTheHeadingsAndSeparatorRows)
{
    Workspace ws;
    expectTexts(dataGridCells(ws.model),
                {{"Groups", "E", "A"},
                 {},
                 {"Nodes", "x", "y", "Constraints", "Kx", "Ky"},
                 {},
                 {"Elements", "Start node i", "End node j", "E,A Group"},
                 {},
                 {"Nodal L.", "Node", "Fx", "Fy"}});
}

TEST(ResultsGrid, ModelDataListsEverySectionInPlainForm)
{
    Workspace ws;
    build(ws);
    const ResultsGrid g = dataGridCells(ws.model);
    EXPECT_EQ(g.title(), QStringLiteral("Model data"));
    // Groups + nodes + elements + loaded nodes + 7 rows.
    expectTexts(g,
                {{"Groups", "E", "A"},
                 {"1", "210000000", "0.5"},
                 {"2", "70000", "2"},
                 {},
                 {"Nodes", "x", "y", "Constraints", "Kx", "Ky"},
                 {"1", "0", "0", "xx"},
                 {"2", "0.5", "3"},
                 {"3", "4", "-2.25", "ox", "0.5"},
                 {"4", "2", "1", "xo", "100"},
                 {},
                 {"Elements", "Start node i", "End node j", "E,A Group"},
                 {"1", "1", "2", "1"},
                 {"2", "2", "3", "2"},
                 {"3", "3", "4", "1"},
                 {"4", "1", "4", "2"},
                 {},
                 {"Nodal L.", "Node", "Fx", "Fy"},
                 {"1", "2", "", "5"},
                 {"2", "3", "-1.5", ""}});

    // Section titles open the heading rows, whose other cells are headings
    // like the item numbers; values are plain cells.
    for (int row : {0, 4, 10, 16})
        EXPECT_EQ(g.cell(row, 0).role, CellRole::SectionTitle) << row;
    EXPECT_EQ(g.cell(10, 5).role, CellRole::Heading);
    EXPECT_EQ(g.cell(5, 0).role, CellRole::Heading);
    EXPECT_EQ(g.cell(5, 1).role, CellRole::Value);
    // Outside the grid: an empty cell, never a read past the rows.
    const int rows = g.rowCount(), columns = g.columnCount();
    for (auto [row, column] : {std::pair{-1, 0}, {0, -1}, {rows, 0}, {rows - 1, columns}})
        EXPECT_EQ(g.cell(row, column), GridCell{}) << row << ',' << column;
}

TEST(ResultsGrid, DisplacementsLeaveFixedDirectionsEmptyAndMarkExtremesAndSprings)
{
    Workspace ws;
    build(ws);
    const ResultsGrid g = nodesGridCells(ws.model, ws.results);
    expectTexts(g,
                {{"Node", "x - Displacement", "y - Displacement", "Total Displacement"},
                 {"1", "", "", ""},
                 {"2", "0.3", "-0.4", "0.5"},
                 {"3", "2", "", "2"},
                 {"4", "", "3", "3"}});
    const struct {
        int row;
        std::vector<CellColour> colours;
    } rows[] = {
        {2, {K, K, R, K}}, // the smallest uy is red
        {3, {K, G, K, K}}, // the largest ux, but on a spring: green
        {4, {K, K, B, B}}, // the largest uy and the largest total are blue
    };
    for (const auto &r : rows)
        EXPECT_EQ(colours(g, r.row), r.colours) << "row " << r.row;
}

// Every x displacement 0 (free or held) and every y displacement equal: the
// largest value equals the smallest, so nothing is marked.
TEST(ResultsGrid, EqualExtremesStayBlack)
{
    Workspace ws;
    group(ws.model, 1, 1);
    node(ws.model, 0, 0, 1, 1);
    node(ws.model, 0, 1);
    node(ws.model, 0, 2);
    for (int n = 1; n <= 3; ++n)
        ws.results.U[std::size_t(2 * n)] = -0.25;
    ws.results.extrema = findExtrema(ws.model, ws.results);
    const ResultsGrid g = nodesGridCells(ws.model, ws.results);
    for (int row = 1; row <= 3; ++row)
        EXPECT_EQ(colours(g, row), std::vector<CellColour>(4, K)) << row;
}

TEST(ResultsGrid, ElementForcesWithStressStrainAndCriticalForce)
{
    Workspace ws;
    build(ws);
    const ResultsGrid g = elementsGridCells(ws.model, ws.results);
    expectTexts(
        g,
        {{"Element", "Axial force F", "Axial stress s=F/A", "Axial strain e=s/E", "F critical"},
         {"1", "10", "20", "9.52380952380952E-08", "112033347.255609"},
         {"2", "-20", "-10", "-0.000142857142857143", "34706.3011906438"},
         {"3", "0.5", "1", "4.76190476190476E-09", "71162812.8490562"},
         {"4", "4", "2", "2.85714285714286E-05", "276348.923230501"}});
    for (int row = 1; row <= 4; ++row)
        EXPECT_EQ(colours(g, row), std::vector<CellColour>(5, K)) << row;
}

TEST(ResultsGrid, CellsOfImpossibleElementsStayEmpty)
{
    // A hand-edited file can bring in a zero length or a group that does
    // not exist: no "inf" or "nan" reaches the grid.
    Workspace ws;
    Model &m = ws.model;
    group(m, 1, 1);
    node(m, 1, 1);
    node(m, 1, 1);
    element(m, 1, 2, 1); // zero length
    element(m, 1, 2, 7); // no group 7
    element(m, 1, 9, 1); // no node 9
    const ResultsGrid g = elementsGridCells(m, ws.results);
    expectTexts(
        g,
        {{"Element", "Axial force F", "Axial stress s=F/A", "Axial strain e=s/E", "F critical"},
         {"1", "0", "0", "0", ""},
         {"2", "0", "", "", ""},
         {"3", "0", "0", "0", ""}});
}

TEST(ResultsGrid, ReactionsListHeldAndSprungNodesWithSpringForcesInGreen)
{
    Workspace ws;
    build(ws);
    const ResultsGrid g = reactionsGridCells(ws.model, ws.results);
    // Node 2 (free, no spring) is not listed; node 4 is held in x with a
    // spring there, so the x column holds -Kx ux (a negative zero, written 0).
    expectTexts(
        g,
        {{"Node", "Force Fx", "Force Fy"}, {"1", "1.5", "-5"}, {"3", "-1", "2"}, {"4", "0", ""}});
    EXPECT_EQ(colours(g, 1), (std::vector<CellColour>{K, K, K}));
    EXPECT_EQ(colours(g, 2), (std::vector<CellColour>{K, G, K}));
    EXPECT_EQ(colours(g, 3), (std::vector<CellColour>{K, G, K}));
}

// The grids write coordinates in the single form and E, A in the double form;
// a value that overflows leaves its cell empty.
TEST(ResultsGrid, ExtremeNumbersKeepTheirPlainForm)
{
    Workspace ws;
    Model &m = ws.model;
    group(m, DBL_MAX, 1e-300);
    node(m, FLT_MAX, -0.0f, 1, 0);
    node(m, 1e30f, 1, 0, 0);
    element(m, 1, 2, 1);
    ws.results.U[3] = -DBL_MAX;
    ws.results.F[1] = {0, 0, 1e30};
    const struct {
        ResultsGrid grid;
        int row, column;
        const char *text;
    } cells[] = {
        {dataGridCells(m), 1, 1, "1.79769313486232E+308"},
        {dataGridCells(m), 4, 1, "3.402823E+38"},
        // The total of the largest double overflows: the cell stays empty.
        {nodesGridCells(m, ws.results), 2, 3, ""},
        // N / A overflows to infinity: the cell stays empty.
        {elementsGridCells(m, ws.results), 1, 2, ""},
    };
    for (const auto &c : cells)
        EXPECT_EQ(c.grid.cell(c.row, c.column).text, QString::fromLatin1(c.text))
            << qPrintable(c.grid.name()) << " " << c.row << "," << c.column;
}

TEST(ResultsGrid, SelectedCellsCopyAsTabSeparatedRows)
{
    Workspace ws;
    build(ws);
    const ResultsGrid g = reactionsGridCells(ws.model, ws.results);
    const struct {
        std::vector<std::pair<int, int>> cells;
        const char *text;
    } cases[] = {
        {{{1, 1}}, "1.5\n"},
        // Given in any order, out in grid order; a gap is an empty field.
        {{{3, 2}, {1, 1}, {3, 1}}, "1.5\t\n0\t\n"},
        {{{2, 0}, {1, 2}}, "\t-5\n3\t\n"},
        {{{9, 9}, {-1, 0}}, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(tabSeparatedText(g, c.cells), QString::fromLatin1(c.text));
}

} // namespace
