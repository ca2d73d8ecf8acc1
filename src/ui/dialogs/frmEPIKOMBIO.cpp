#include "ui/dialogs/frmEPIKOMBIO.h"

#include "ui_frmEPIKOMBIO.h"
#include "workspace/Workspace.h"

#include <QSignalBlocker>

frmEPIKOMBIO::frmEPIKOMBIO(Workspace &ws, EffectsHandler onEffects, QWidget *parent)
    : EditingDialog(std::move(onEffects), parent), m_ui(std::make_unique<Ui::frmEPIKOMBIO>()),
      m_form(ws.model, ws)
{
    m_ui->setupUi(this);
    makeNumberBox(m_ui->nodeBox);
    prepare();
    m_ui->fxPicture->setSource(QStringLiteral(":/pictures/load_fx.svg"));
    m_ui->fyPicture->setSource(QStringLiteral(":/pictures/load_fy.svg"));
    setEnterMove(m_ui->fxEdit, m_ui->fyEdit);
    setEnterMove(m_ui->fyEdit, m_ui->applyButton);
    connectControls();
}

frmEPIKOMBIO::~frmEPIKOMBIO() = default;

void frmEPIKOMBIO::connectControls()
{
    actOnChoice(m_ui->nodeBox, [this](int n) { m_form.selectNode(n); });
    connect(m_ui->loadedList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (QListWidgetItem *item = m_ui->loadedList->item(row))
            act([this, n = item->text().toInt()] { m_form.selectNode(n); });
    });
    actOnClick(m_ui->deleteButton, [this] { m_form.pressDelete(); });
    actOnClick(m_ui->applyButton, [this] { m_form.pressApply(); });
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void frmEPIKOMBIO::openOn(int node)
{
    m_form.open(node);
    showForm();
}

void frmEPIKOMBIO::reload()
{
    readFields();
    openOn(typedItem(m_form.fields.node));
}

void frmEPIKOMBIO::readFields()
{
    m_form.fields =
        LoadInput{m_ui->nodeBox->currentText(), m_ui->fxEdit->text(), m_ui->fyEdit->text()};
}

void frmEPIKOMBIO::showForm()
{
    const LoadInput &f = m_form.fields;
    showNumberBox(m_ui->nodeBox, m_form.nodeEntries(), f.node);
    showText(m_ui->fxEdit, f.fx);
    showText(m_ui->fyEdit, f.fy);
    showLoadedNodes();
    moveFocus(fieldWidget(m_form.focus), m_form.selectAll);
    carryOut(m_form.effects);
}

// The list of loaded nodes, with the shown node marked when it is one.
void frmEPIKOMBIO::showLoadedNodes()
{
    QListWidget *list = m_ui->loadedList;
    const QSignalBlocker block(list);
    QStringList entries;
    for (int n : m_form.loaded())
        entries << entryText(n);
    bool same = list->count() == entries.size();
    for (int row = 0; same && row < list->count(); ++row)
        same = list->item(row)->text() == entries[row];
    if (!same) {
        list->clear();
        list->addItems(entries);
    }
    list->setCurrentRow(int(entries.indexOf(m_form.fields.node)));
}

QWidget *frmEPIKOMBIO::fieldWidget(LoadField field) const
{
    switch (field) {
    case LoadField::Node: return m_ui->nodeBox;
    case LoadField::Fx: return m_ui->fxEdit;
    case LoadField::Fy: return m_ui->fyEdit;
    case LoadField::Apply: return m_ui->applyButton;
    case LoadField::None: break;
    }
    return nullptr;
}
