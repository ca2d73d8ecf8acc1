#include "reports/gui/ResultsGridView.h"

#include "reports/gui/ResultsGridModel.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyleOptionHeader>
#include <QStylePainter>
#include <vector>

ResultsGridView::ResultsGridView(QWidget *parent) : QTableView(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Rows as close as a spreadsheet's: one line of text and a little air.
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);

    auto *copy = new QAction(QStringLiteral("Copy"), this);
    copy->setObjectName(QStringLiteral("copyCells"));
    connect(copy, &QAction::triggered, this, &ResultsGridView::copySelection);
    addAction(copy);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    // The corner holds the grid's top-left heading ("Node", "Groups").
    m_corner = findChild<QAbstractButton *>();
    if (m_corner)
        m_corner->installEventFilter(this);
}

void ResultsGridView::setGrid(ResultsGrid grid, int minimumColumnWidth)
{
    auto *old = m_model;
    m_model = new ResultsGridModel(std::move(grid), this);
    setModel(m_model);
    delete old;
    fitColumns(minimumColumnWidth);
}

const ResultsGrid &ResultsGridView::grid() const
{
    static const ResultsGrid empty(QString(), QString(), 0);
    return m_model ? m_model->grid() : empty;
}

void ResultsGridView::fitColumns(int minimumColumnWidth)
{
    resizeColumnsToContents();
    for (int c = 0; c < m_model->columnCount(); ++c)
        setColumnWidth(c, std::max(columnWidth(c), minimumColumnWidth));
    // Wide enough for the corner's heading as well as the row headings.
    const QString corner = grid().cell(0, 0).text;
    const int cornerWidth = verticalHeader()->fontMetrics().horizontalAdvance(corner)
        + 2 * style()->pixelMetric(QStyle::PM_HeaderMargin) + 4;
    verticalHeader()->setMinimumWidth(cornerWidth);
}

QString ResultsGridView::selectedText() const
{
    std::vector<std::pair<int, int>> cells;
    for (const QModelIndex &index : selectionModel() ? selectedIndexes() : QModelIndexList())
        cells.push_back(ResultsGridModel::gridCell(index));
    return tabSeparatedText(grid(), cells);
}

void ResultsGridView::copySelection() const
{
    const QString text = selectedText();
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

void ResultsGridView::keyPressEvent(QKeyEvent *event)
{
    // The table itself would copy only the current cell.
    if (event->matches(QKeySequence::Copy)) {
        copySelection();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

bool ResultsGridView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_corner && event->type() == QEvent::Paint) {
        paintCorner(m_corner);
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

void ResultsGridView::paintCorner(QWidget *corner) const
{
    QStyleOptionHeader option;
    option.initFrom(corner);
    option.rect = corner->rect();
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.text = grid().cell(0, 0).text;
    option.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    QStylePainter painter(corner);
    painter.drawControl(QStyle::CE_Header, option);
}
