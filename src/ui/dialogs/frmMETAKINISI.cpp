#include "ui/dialogs/frmMETAKINISI.h"

#include "ui_frmMETAKINISI.h"
#include "workspace/Workspace.h"

frmMETAKINISI::frmMETAKINISI(Workspace &ws, EffectsHandler onEffects, QWidget *parent)
    : EditingDialog(std::move(onEffects), parent), m_ui(std::make_unique<Ui::frmMETAKINISI>()),
      m_form(ws.model, ws)
{
    m_ui->setupUi(this);
    makeNumberBox(m_ui->firstBox);
    makeNumberBox(m_ui->lastBox);
    prepare();
    actOnClick(m_ui->applyButton, [this] { m_form.pressApply(); });
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

frmMETAKINISI::~frmMETAKINISI() = default;

void frmMETAKINISI::openOn()
{
    m_form.open();
    showForm();
}

void frmMETAKINISI::reload()
{
    // What is typed is the user's, not the model's; the boxes list the nodes.
    readFields();
    m_form.focus = MoveField::None;
    m_form.effects = {};
    showForm();
}

void frmMETAKINISI::readFields()
{
    m_form.fields = MoveInput{m_ui->firstBox->currentText(), m_ui->lastBox->currentText(),
                              m_ui->dxEdit->text(), m_ui->dyEdit->text()};
}

void frmMETAKINISI::showForm()
{
    const MoveInput &f = m_form.fields;
    showNumberBox(m_ui->firstBox, m_form.nodeEntries(), f.first);
    showNumberBox(m_ui->lastBox, m_form.nodeEntries(), f.last);
    showText(m_ui->dxEdit, f.dx);
    showText(m_ui->dyEdit, f.dy);
    QWidget *field = nullptr;
    switch (m_form.focus) {
    case MoveField::First: field = m_ui->firstBox; break;
    case MoveField::Last: field = m_ui->lastBox; break;
    case MoveField::Dx: field = m_ui->dxEdit; break;
    case MoveField::Dy: field = m_ui->dyEdit; break;
    case MoveField::Apply: field = m_ui->applyButton; break;
    case MoveField::None: break;
    }
    moveFocus(field, m_form.selectAll);
    carryOut(m_form.effects);
}
