#include "ui/dialogs/frmSigxonefsi.h"

#include "ui_frmSigxonefsi.h"
#include "workspace/Workspace.h"

frmSigxonefsi::frmSigxonefsi(Workspace &ws, EffectsHandler onEffects, QWidget *parent)
    : EditingDialog(std::move(onEffects), parent), m_ui(std::make_unique<Ui::frmSigxonefsi>()),
      m_form(ws.model, ws)
{
    m_ui->setupUi(this);
    makeNumberBox(m_ui->nodeBBox);
    makeNumberBox(m_ui->nodeABox);
    prepare();
    actOnChoice(m_ui->nodeBBox, [this](int) { m_form.chooseNodeB(); });
    actOnClick(m_ui->applyButton, [this] { m_form.pressApply(); });
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

frmSigxonefsi::~frmSigxonefsi() = default;

void frmSigxonefsi::openOn()
{
    m_form.open();
    showForm();
}

void frmSigxonefsi::reload()
{
    // What is typed is the user's, not the model's; the boxes list the nodes.
    readFields();
    m_form.focus = MergeField::None;
    m_form.effects = {};
    showForm();
}

void frmSigxonefsi::readFields()
{
    m_form.fields = MergeInput{m_ui->nodeBBox->currentText(), m_ui->nodeABox->currentText(),
                               m_ui->deleteBBox->isChecked(), m_ui->midpointBox->isChecked()};
}

void frmSigxonefsi::showForm()
{
    showNumberBox(m_ui->nodeBBox, m_form.nodeEntries(), m_form.fields.nodeB);
    showNumberBox(m_ui->nodeABox, m_form.nodeEntries(), m_form.fields.nodeA);
    QWidget *field = nullptr;
    switch (m_form.focus) {
    case MergeField::NodeB: field = m_ui->nodeBBox; break;
    case MergeField::NodeA: field = m_ui->nodeABox; break;
    case MergeField::Apply: field = m_ui->applyButton; break;
    case MergeField::None: break;
    }
    moveFocus(field, m_form.selectAll);
    carryOut(m_form.effects);
}
