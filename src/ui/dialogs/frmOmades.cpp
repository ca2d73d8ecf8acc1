#include "ui/dialogs/frmOmades.h"

#include "ui_frmOmades.h"
#include "workspace/Workspace.h"

frmOmades::frmOmades(Workspace &ws, EffectsHandler onEffects, QWidget *parent)
    : EditingDialog(std::move(onEffects), parent), m_ui(std::make_unique<Ui::frmOmades>()),
      m_form(ws.model, ws)
{
    m_ui->setupUi(this);
    makeNumberBox(m_ui->numberBox);
    prepare();
    setEnterMove(m_ui->eEdit, m_ui->aEdit);
    setEnterMove(m_ui->aEdit, m_ui->applyButton);
    connectControls();
}

frmOmades::~frmOmades() = default;

void frmOmades::connectControls()
{
    actOnChoice(m_ui->numberBox, [this](int n) { m_form.selectNumber(n); });
    actOnClick(m_ui->newButton, [this] { m_form.pressNew(); });
    actOnClick(m_ui->deleteButton, [this] { m_form.pressDelete(); });
    actOnClick(m_ui->applyButton, [this] { m_form.pressApply(); });
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void frmOmades::openOn(int group)
{
    m_form.open(group);
    showForm();
}

void frmOmades::reload()
{
    readFields();
    openOn(typedItem(m_form.fields.number));
}

void frmOmades::readFields()
{
    m_form.fields =
        GroupInput{m_ui->numberBox->currentText(), m_ui->eEdit->text(), m_ui->aEdit->text()};
}

void frmOmades::showForm()
{
    const GroupInput &f = m_form.fields;
    showNumberBox(m_ui->numberBox, m_form.entries(), f.number);
    m_ui->stateLabel->setText(stateLabel(m_form.isNew));
    showText(m_ui->eEdit, f.e);
    showText(m_ui->aEdit, f.a);
    moveFocus(fieldWidget(m_form.focus), m_form.selectAll);
    carryOut(m_form.effects);
}

QWidget *frmOmades::fieldWidget(GroupField field) const
{
    switch (field) {
    case GroupField::Number: return m_ui->numberBox;
    case GroupField::E: return m_ui->eEdit;
    case GroupField::A: return m_ui->aEdit;
    case GroupField::Apply: return m_ui->applyButton;
    case GroupField::None: break;
    }
    return nullptr;
}
