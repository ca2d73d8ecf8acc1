#include "reports/gui/frmApotelesmata.h"

#include "ui_frmApotelesmata.h"

#include "reports/ModelCounts.h"
#include "reports/ModelTree.h"
#include "reports/gui/ResultsGridView.h"
#include "reports/gui/frmSelect.h"
#include "workspace/Workspace.h"

#include <QDir>
#include <QTreeWidget>

namespace {

// The model data grid's value columns are 1500 twips wide (and wider where
// a text needs it).
int dataColumnWidth(const QWidget *w) { return w->logicalDpiX() * 1500 / 1440; }

QTreeWidgetItem *addEntry(const TreeEntry &entry, QTreeWidgetItem *item)
{
    item->setText(0, entry.text);
    item->setData(0, Qt::UserRole, entry.key);
    if (entry.bold) {
        QFont font = item->font(0);
        font.setBold(true);
        item->setFont(0, font);
    }
    for (const TreeEntry &child : entry.children)
        addEntry(child, new QTreeWidgetItem(item));
    return item;
}

} // namespace

frmApotelesmata::frmApotelesmata(Workspace &ws, PlatformServices &services, QWidget *parent)
    : QMainWindow(parent), m_ui(std::make_unique<Ui::frmApotelesmata>()), m_ws(ws),
      m_services(services), m_exportRoot(QDir::tempPath())
{
    m_ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(QStringLiteral(":/icons/results.svg")));
    m_chooser = [this](const QString &caption) -> std::optional<ReportSections> {
        frmSelect dialog(caption, this);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.sections();
    };

    fillGeneralData();
    fillGrids();
    fillTree();
    connect(m_ui->optTable, &QRadioButton::toggled, this, [this](bool on) { showTreeView(!on); });
    showTreeView(true);
    m_ui->SSTab1->setCurrentIndex(0);
    connectActions();
}

frmApotelesmata::~frmApotelesmata() = default;

void frmApotelesmata::fillGeneralData()
{
    const ModelCounts c = countModel(m_ws.model);
    const int values[] = {c.groups, c.nodes,  c.elements,    c.constrained,
                          c.loaded, c.sprung, c.dofsPerNode, c.dofs};
    for (int k = 0; k < 8; ++k)
        generalValue(k)->setText(QString::number(values[k]));
}

void frmApotelesmata::fillGrids()
{
    for (int id = 0; id < kGridCount; ++id) {
        ResultsGridView *view = gridView(GridId(id));
        view->setGrid(gridCells(GridId(id), m_ws.model, m_ws.results),
                      GridId(id) == GridId::Data ? dataColumnWidth(view) : 0);
    }
}

void frmApotelesmata::fillTree()
{
    QTreeWidget *t = m_ui->TreeView1;
    t->clear();
    QTreeWidgetItem *root = addEntry(Ftiakse_treeview(m_ws.model), new QTreeWidgetItem(t));
    root->setExpanded(true);
    for (int k = 0; k < root->childCount(); ++k)
        root->child(k)->setExpanded(true);
}

void frmApotelesmata::showTreeView(bool tree)
{
    m_ui->optTree->setChecked(tree);
    m_ui->optTable->setChecked(!tree);
    m_ui->TreeView1->setVisible(tree);
    m_ui->FLEXgrdDATA->setVisible(!tree);
}

bool frmApotelesmata::isTreeViewShown() const { return !m_ui->TreeView1->isHidden(); }

ResultsGridView *frmApotelesmata::gridView(GridId id) const
{
    switch (id) {
    case GridId::Nodes: return m_ui->FLEXgrdNODES;
    case GridId::Elements: return m_ui->FLEXgrdELEM;
    case GridId::Reactions: return m_ui->FLEXgrdCONSTR;
    case GridId::Data: break;
    }
    return m_ui->FLEXgrdDATA;
}

QTreeWidget *frmApotelesmata::tree() const { return m_ui->TreeView1; }

QAction *frmApotelesmata::toolAction(const QString &key) const { return findChild<QAction *>(key); }

QLabel *frmApotelesmata::generalValue(int k) const
{
    QLabel *const values[] = {m_ui->lblGroupCount,   m_ui->lblNodeCount,
                              m_ui->lblElementCount, m_ui->lblConstrainedCount,
                              m_ui->lblLoadedCount,  m_ui->lblSprungCount,
                              m_ui->lblDofsPerNode,  m_ui->lblDofCount};
    return k >= 0 && k < 8 ? values[k] : nullptr;
}
