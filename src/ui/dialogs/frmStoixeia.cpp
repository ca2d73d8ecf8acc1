#include "ui/dialogs/frmStoixeia.h"

#include "ui_frmStoixeia.h"
#include "workspace/Workspace.h"

frmStoixeia::frmStoixeia(Workspace &ws, EffectsHandler onEffects, QWidget *parent)
    : EditingDialog(std::move(onEffects), parent), m_ui(std::make_unique<Ui::frmStoixeia>()),
      m_form(ws.model, ws)
{
    m_ui->setupUi(this);
    for (QComboBox *box : {m_ui->numberBox, m_ui->nodeIBox, m_ui->nodeJBox, m_ui->groupBox})
        makeNumberBox(box);
    prepare();
    connectControls();
}

frmStoixeia::~frmStoixeia() = default;

void frmStoixeia::connectControls()
{
    actOnChoice(m_ui->numberBox, [this](int n) { m_form.selectNumber(n); });
    // The focus chain: group, node i, node j, "Apply".
    actOnChoice(m_ui->groupBox, [this](int) { m_form.chooseGroup(); });
    actOnChoice(m_ui->nodeIBox, [this](int) { m_form.chooseNodeI(); });
    actOnChoice(m_ui->nodeJBox, [this](int) { m_form.chooseNodeJ(); });
    actOnClick(m_ui->newButton, [this] { m_form.pressNew(); });
    actOnClick(m_ui->deleteButton, [this] { m_form.pressDelete(); });
    actOnClick(m_ui->applyButton, [this] { m_form.pressApply(); });
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void frmStoixeia::openOn(int element)
{
    m_form.open(element);
    showForm();
}

void frmStoixeia::reload()
{
    readFields();
    openOn(typedItem(m_form.fields.number));
}

void frmStoixeia::readFields()
{
    m_form.fields = ElementInput{m_ui->numberBox->currentText(), m_ui->nodeIBox->currentText(),
                                 m_ui->nodeJBox->currentText(), m_ui->groupBox->currentText()};
}

void frmStoixeia::showForm()
{
    const ElementInput &f = m_form.fields;
    showNumberBox(m_ui->numberBox, m_form.entries(), f.number);
    showNumberBox(m_ui->nodeIBox, m_form.nodeEntries(), f.nodeI);
    showNumberBox(m_ui->nodeJBox, m_form.nodeEntries(), f.nodeJ);
    showNumberBox(m_ui->groupBox, m_form.groupEntries(), f.group);
    m_ui->stateLabel->setText(stateLabel(m_form.isNew));
    moveFocus(fieldWidget(m_form.focus), m_form.selectAll);
    carryOut(m_form.effects);
}

QWidget *frmStoixeia::fieldWidget(ElementField field) const
{
    switch (field) {
    case ElementField::Number: return m_ui->numberBox;
    case ElementField::NodeI: return m_ui->nodeIBox;
    case ElementField::NodeJ: return m_ui->nodeJBox;
    case ElementField::Group: return m_ui->groupBox;
    case ElementField::Apply: return m_ui->applyButton;
    case ElementField::None: break;
    }
    return nullptr;
}
