#include "reports/gui/ResultsGridModel.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QPalette>

namespace {

// The section titles of the model data grid stand out in 10-point type.
QFont sectionTitleFont()
{
    QFont font = QApplication::font();
    font.setPointSizeF(10);
    return font;
}

QColor colourOf(CellColour colour) { return QColor::fromRgb(QRgb(0xFF000000u | cellRgb(colour))); }

} // namespace

ResultsGridModel::ResultsGridModel(ResultsGrid grid, QObject *parent)
    : QAbstractTableModel(parent), m_grid(std::move(grid))
{
}

int ResultsGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : std::max(0, m_grid.rowCount() - 1);
}

int ResultsGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : std::max(0, m_grid.columnCount() - 1);
}

QVariant ResultsGridModel::cellData(const GridCell &cell, int role) const
{
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole: return cell.text;
    case Qt::ForegroundRole:
        // Black is the text colour of the palette, black in the usual scheme.
        if (cell.colour != CellColour::Black)
            return colourOf(cell.colour);
        break;
    case Qt::BackgroundRole:
        if (cell.role != CellRole::Value)
            return QApplication::palette().button();
        break;
    case Qt::FontRole:
        if (cell.role == CellRole::SectionTitle)
            return sectionTitleFont();
        break;
    default: break;
    }
    return QVariant();
}

QVariant ResultsGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const auto [row, column] = gridCell(index);
    return cellData(m_grid.cell(row, column), role);
}

QVariant ResultsGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const GridCell &cell =
        orientation == Qt::Horizontal ? m_grid.cell(0, section + 1) : m_grid.cell(section + 1, 0);
    switch (role) {
    case Qt::DisplayRole: return cell.text;
    case Qt::FontRole:
        if (cell.role == CellRole::SectionTitle)
            return sectionTitleFont();
        break;
    case Qt::TextAlignmentRole: return int(Qt::AlignLeft | Qt::AlignVCenter);
    default: break;
    }
    return QVariant();
}
