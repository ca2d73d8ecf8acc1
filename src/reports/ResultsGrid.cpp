#include "reports/ResultsGrid.h"

#include "analysis/Functions_Bres_Megista.h"
#include "common/NumberForms.h"
#include "model/AnalysisResults.h"
#include "model/Model.h"
#include "reports/ModelCounts.h"

#include <cmath>
#include <limits>
#include <set>

namespace {

constexpr double kPi = 3.14159265358979;

GridCell heading(const QString &text) { return {text, CellColour::Black, CellRole::Heading}; }
GridCell sectionTitle(const char *text)
{
    return {QString::fromLatin1(text), CellColour::Black, CellRole::SectionTitle};
}
GridCell value(const QString &text, CellColour colour = CellColour::Black)
{
    return {text, colour, CellRole::Value};
}

// A heading row: the texts from column 0 on, the rest of the row a heading
// too.
std::vector<GridCell> headingRow(std::initializer_list<const char *> texts)
{
    std::vector<GridCell> row;
    for (const char *t : texts)
        row.push_back(heading(QString::fromLatin1(t)));
    return row;
}

QString whole(int n) { return QString::number(n); }
QString number(double v) { return std::isfinite(v) ? nf::reportPlainDouble(v) : QString(); }
QString number(float v) { return std::isfinite(v) ? nf::reportPlainSingle(v) : QString(); }
QString positive(float v) { return v > 0.0f ? number(v) : QString(); }
QString nonZero(float v) { return v != 0.0f ? number(v) : QString(); }

// ------------------------------------------------------------ model data

void addGroups(ResultsGrid &g, const Model &m)
{
    std::vector<GridCell> head{sectionTitle("Groups"), heading(QStringLiteral("E")),
                               heading(QStringLiteral("A"))};
    g.addRow(std::move(head), CellRole::Heading);
    for (int k = 1; k <= groupRows(m); ++k)
        g.addRow({heading(whole(k)), value(number(m.groups[k].E)), value(number(m.groups[k].A))});
}

void addNodes(ResultsGrid &g, const Model &m)
{
    std::vector<GridCell> head = headingRow({"", "x", "y", "Constraints", "Kx", "Ky"});
    head[0] = sectionTitle("Nodes");
    g.addRow(std::move(head));
    for (int n = 1; n <= nodeRows(m); ++n) {
        const Node &nd = m.nodes[n];
        const Spring &sp = m.springs[n];
        g.addRow({heading(whole(n)), value(number(nd.x)), value(number(nd.y)),
                  value(constraintCode(nd)), value(positive(sp.kx)), value(positive(sp.ky))});
    }
}

void addElements(ResultsGrid &g, const Model &m)
{
    std::vector<GridCell> head = headingRow({"", "Start node i", "End node j", "E,A Group"});
    head[0] = sectionTitle("Elements");
    g.addRow(std::move(head), CellRole::Heading);
    for (int e = 1; e <= elementRows(m); ++e)
        g.addRow({heading(whole(e)), value(whole(m.nodeI(e))), value(whole(m.nodeJ(e))),
                  value(whole(m.groupOf(e)))});
}

void addNodalLoads(ResultsGrid &g, const Model &m)
{
    std::vector<GridCell> head = headingRow({"", "Node", "Fx", "Fy"});
    head[0] = sectionTitle("Nodal L.");
    g.addRow(std::move(head), CellRole::Heading);
    int k = 0;
    for (int n = 1; n <= nodeRows(m); ++n) {
        const Node &nd = m.nodes[n];
        if (isLoaded(nd))
            g.addRow({heading(whole(++k)), value(whole(n)), value(nonZero(nd.fx)),
                      value(nonZero(nd.fy))});
    }
}

// --------------------------------------------------------------- results

// Blue for the column's largest value, red for its smallest, black when
// the two are equal; a spring on the direction makes it green whatever the
// value.
CellColour extremeColour(double v, double largest, double smallest)
{
    if (largest == smallest)
        return CellColour::Black;
    if (v == largest)
        return CellColour::Blue;
    if (v == smallest)
        return CellColour::Red;
    return CellColour::Black;
}

GridCell displacementCell(double u, bool fixed, bool spring, double largest, double smallest)
{
    if (fixed)
        return value(QString());
    if (spring)
        return value(number(u), CellColour::Green);
    return value(number(u), extremeColour(u, largest, smallest));
}

// The x or y cell of the reactions grid: the reaction where the direction
// is fixed, replaced by the spring force -k u where it has a spring.
GridCell reactionCell(bool fixed, double reaction, float k, double u)
{
    if (k > 0.0f)
        return value(number(-double(k) * u), CellColour::Green);
    return value(fixed ? number(reaction) : QString());
}

} // namespace

unsigned cellRgb(CellColour colour)
{
    switch (colour) {
    case CellColour::Blue: return 0x0000FF;
    case CellColour::Red: return 0xFF0000;
    case CellColour::Green: return 0x008000;
    case CellColour::Black: break;
    }
    return 0x000000;
}

ResultsGrid::ResultsGrid(QString name, QString title, int columns)
    : m_name(std::move(name)), m_title(std::move(title)), m_columns(columns)
{
}

const GridCell &ResultsGrid::cell(int row, int column) const
{
    static const GridCell empty;
    if (row < 0 || row >= rowCount() || column < 0 || column >= m_columns)
        return empty;
    return m_rows[std::size_t(row)][std::size_t(column)];
}

void ResultsGrid::addRow(std::vector<GridCell> cells, CellRole padding)
{
    cells.resize(std::size_t(m_columns), GridCell{QString(), CellColour::Black, padding});
    m_rows.push_back(std::move(cells));
}

ResultsGrid dataGridCells(const Model &m)
{
    ResultsGrid g(QStringLiteral("FLEXgrdDATA"), QStringLiteral("Model data"), 6);
    addGroups(g, m);
    g.addRow({heading(QString())});
    addNodes(g, m);
    g.addRow({heading(QString())});
    addElements(g, m);
    g.addRow({heading(QString())});
    addNodalLoads(g, m);
    return g;
}

ResultsGrid nodesGridCells(const Model &m, const AnalysisResults &r)
{
    ResultsGrid g(QStringLiteral("FLEXgrdNODES"), QStringLiteral("Node displacements"), 4);
    g.addRow(headingRow({"Node", "x - Displacement", "y - Displacement", "Total Displacement"}));
    const ResultExtrema &x = r.extrema;
    for (int n = 1; n <= nodeRows(m); ++n) {
        const Node &nd = m.nodes[n];
        const Spring &sp = m.springs[n];
        const double ux = r.U[std::size_t(2 * n - 1)], uy = r.U[std::size_t(2 * n)];
        const bool fixedX = nd.cx == 1.0f, fixedY = nd.cy == 1.0f;
        const double total = std::sqrt(ux * ux + uy * uy);
        g.addRow({heading(whole(n)), displacementCell(ux, fixedX, sp.kx > 0.0f, x.maxUx, x.minUx),
                  displacementCell(uy, fixedY, sp.ky > 0.0f, x.maxUy, x.minUy),
                  displacementCell(total, fixedX && fixedY, false, x.maxU, x.minU)});
    }
    return g;
}

ResultsGrid elementsGridCells(const Model &m, const AnalysisResults &r)
{
    ResultsGrid g(QStringLiteral("FLEXgrdELEM"), QStringLiteral("Element forces"), 5);
    g.addRow(headingRow(
        {"Element", "Axial force F", "Axial stress s=F/A", "Axial strain e=s/E", "F critical"}));
    for (int e = 1; e <= elementRows(m); ++e)
        g.addRow({heading(whole(e)), value(number(r.F[std::size_t(e)][2])),
                  value(number(elementStress(m, r, e))), value(number(elementStrain(m, r, e))),
                  value(number(criticalForce(m, e)))});
    return g;
}

ResultsGrid reactionsGridCells(const Model &m, const AnalysisResults &r)
{
    ResultsGrid g(QStringLiteral("FLEXgrdCONSTR"), QStringLiteral("Constraint-Spring reactions"),
                  3);
    g.addRow(headingRow({"Node", "Force Fx", "Force Fy"}));
    for (int n = 1; n <= nodeRows(m); ++n) {
        const Node &nd = m.nodes[n];
        const Spring &sp = m.springs[n];
        if (!isConstrained(nd) && !hasSpring(sp))
            continue;
        g.addRow(
            {heading(whole(n)),
             reactionCell(nd.cx == 1.0f, r.R[std::size_t(n)][1], sp.kx,
                          r.U[std::size_t(2 * n - 1)]),
             reactionCell(nd.cy == 1.0f, r.R[std::size_t(n)][2], sp.ky, r.U[std::size_t(2 * n)])});
    }
    return g;
}

ResultsGrid gridCells(GridId id, const Model &m, const AnalysisResults &r)
{
    switch (id) {
    case GridId::Nodes: return nodesGridCells(m, r);
    case GridId::Elements: return elementsGridCells(m, r);
    case GridId::Reactions: return reactionsGridCells(m, r);
    case GridId::Data: break;
    }
    return dataGridCells(m);
}

double criticalForce(const Model &m, int e)
{
    const int i = m.nodeI(e), j = m.nodeJ(e), k = m.groupOf(e);
    if (i < 1 || i > nodeRows(m) || j < 1 || j > nodeRows(m) || k < 1 || k > groupRows(m))
        return std::numeric_limits<double>::quiet_NaN();
    const double dx = double(m.nodes[j].x) - double(m.nodes[i].x);
    const double dy = double(m.nodes[j].y) - double(m.nodes[i].y);
    const double length = std::sqrt(dx * dx + dy * dy);
    return kPi * kPi * m.groups[k].E * m.groups[k].A / (length * length);
}

QString tabSeparatedText(const ResultsGrid &grid, std::span<const std::pair<int, int>> cells)
{
    std::set<int> rows, columns;
    std::set<std::pair<int, int>> chosen;
    for (const auto &[r, c] : cells) {
        if (r < 0 || r >= grid.rowCount() || c < 0 || c >= grid.columnCount())
            continue;
        rows.insert(r);
        columns.insert(c);
        chosen.insert({r, c});
    }
    QString out;
    for (int r : rows) {
        bool first = true;
        for (int c : columns) {
            if (!first)
                out += QLatin1Char('\t');
            first = false;
            if (chosen.count({r, c}))
                out += grid.cell(r, c).text;
        }
        out += QLatin1Char('\n');
    }
    return out;
}
