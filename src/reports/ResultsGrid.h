#pragma once
// The four grids of the data and results window as plain cells: each cell's
// text, colour and role. The window shows them, Ctrl+C copies them and the
// spreadsheet export writes them, so all three agree cell for cell.
//
// Row 0 and column 0 are the grid's fixed heading row and column. Numbers
// are in the report's plain form; a value that is not a finite number (a
// zero area or length of a hand-edited model) leaves its cell empty.
#include <QString>
#include <span>
#include <utility>
#include <vector>

struct AnalysisResults;
struct Model;

enum class CellColour { Black, Blue, Red, Green };

// 0xRRGGBB: black, blue (0, 0, 255), red (255, 0, 0), green (0, 128, 0).
unsigned cellRgb(CellColour colour);

enum class CellRole {
    Value,        // an ordinary cell
    Heading,      // a cell of a heading row or of the fixed column
    SectionTitle, // the first cell of a heading row of the model data grid
};

struct GridCell {
    QString text;
    CellColour colour = CellColour::Black;
    CellRole role = CellRole::Value;
    bool operator==(const GridCell &) const = default;
};

class ResultsGrid {
public:
    // name: the grid's control name (FLEXgrdDATA); title: the sheet title.
    ResultsGrid(QString name, QString title, int columns);

    const QString &name() const { return m_name; }
    const QString &title() const { return m_title; }
    int rowCount() const { return int(m_rows.size()); }
    int columnCount() const { return m_columns; }
    // An empty cell outside the grid.
    const GridCell &cell(int row, int column) const;

    // Appends a row; the cells beyond the given ones are empty, with the
    // role `padding`.
    void addRow(std::vector<GridCell> cells, CellRole padding = CellRole::Value);

private:
    QString m_name;
    QString m_title;
    int m_columns;
    std::vector<std::vector<GridCell>> m_rows;
};

// The grids in the order of the report sections: model data, node
// displacements, element forces, constraint and spring reactions.
enum class GridId { Data, Nodes, Elements, Reactions };
inline constexpr int kGridCount = 4;

ResultsGrid dataGridCells(const Model &m);
ResultsGrid nodesGridCells(const Model &m, const AnalysisResults &r);
ResultsGrid elementsGridCells(const Model &m, const AnalysisResults &r);
ResultsGrid reactionsGridCells(const Model &m, const AnalysisResults &r);
ResultsGrid gridCells(GridId id, const Model &m, const AnalysisResults &r);

// The critical (buckling) force pi^2 E A / L^2 of element e; NaN when the
// element refers to a node or group outside the model.
double criticalForce(const Model &m, int e);

// The texts of the given cells as tab-separated lines: one line per row
// that holds a given cell, one field per column that does, in grid order;
// a cell of those rows and columns that was not given is an empty field.
// Every line ends with a line feed. Cells outside the grid are ignored.
QString tabSeparatedText(const ResultsGrid &grid, std::span<const std::pair<int, int>> cells);
