#pragma once
// A grid of the data and results window: the cells of a ResultsGrid in a
// table whose heading row and column stay in place, the grid's top-left
// heading in the corner. Cells are selectable; Ctrl+C (or Copy in the
// pop-up menu) copies the selected cells as tab-separated text.
#include "reports/ResultsGrid.h"

#include <QTableView>

class ResultsGridModel;

class ResultsGridView : public QTableView {
    Q_OBJECT
public:
    explicit ResultsGridView(QWidget *parent = nullptr);

    // Shows the grid; every column is at least `minimumColumnWidth` pixels
    // wide, and as wide as its longest text.
    void setGrid(ResultsGrid grid, int minimumColumnWidth = 0);
    // The grid shown; an empty one before setGrid.
    const ResultsGrid &grid() const;

    // The selected cells as tab-separated text, and to the clipboard.
    QString selectedText() const;
    void copySelection() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fitColumns(int minimumColumnWidth);
    void paintCorner(QWidget *corner) const;

    ResultsGridModel *m_model = nullptr;
    QWidget *m_corner = nullptr;
};
