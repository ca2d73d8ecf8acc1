#pragma once
// One grid of the data and results window as a Qt table model. The grid's
// fixed heading row and column become the table's headers (they stay in
// place while the cells scroll); every other cell is an item with its
// text, its colour and, for the heading rows inside the model data grid, a
// heading's background.
#include "reports/ResultsGrid.h"

#include <QAbstractTableModel>
#include <utility>

class ResultsGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ResultsGridModel(ResultsGrid grid, QObject *parent = nullptr);

    const ResultsGrid &grid() const { return m_grid; }
    // The grid cell (row, column) an item of the table stands for.
    static std::pair<int, int> gridCell(const QModelIndex &index)
    {
        return {index.row() + 1, index.column() + 1};
    }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QVariant cellData(const GridCell &cell, int role) const;

    ResultsGrid m_grid;
};
