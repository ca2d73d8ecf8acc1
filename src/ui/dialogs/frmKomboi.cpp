#include "ui/dialogs/frmKomboi.h"

#include "ui_frmKomboi.h"
#include "workspace/Workspace.h"

#include <tuple>

namespace {

// Free, x fixed, y fixed, both fixed.
const char *const kSupportPictures[] = {":/pictures/support_free.svg", ":/pictures/support_x.svg",
                                        ":/pictures/support_y.svg", ":/pictures/support_xy.svg"};
const char *const kSupportNames[] = {"free", "x fixed", "y fixed", "x and y fixed"};

} // namespace

frmKomboi::frmKomboi(Workspace &ws, EffectsHandler onEffects, QWidget *parent)
    : EditingDialog(std::move(onEffects), parent), m_ui(std::make_unique<Ui::frmKomboi>()),
      m_form(ws.model, ws)
{
    m_ui->setupUi(this);
    makeNumberBox(m_ui->numberBox);
    prepare();
    m_ui->supportPicture->setCursor(Qt::PointingHandCursor);
    setEnterMove(m_ui->xEdit, m_ui->yEdit);
    setEnterMove(m_ui->yEdit, m_ui->applyButton);
    connectControls();
}

frmKomboi::~frmKomboi() = default;

void frmKomboi::connectControls()
{
    actOnChoice(m_ui->numberBox, [this](int n) { m_form.selectNumber(n); });
    actOnClick(m_ui->newButton, [this] { m_form.pressNew(); });
    actOnClick(m_ui->deleteButton, [this] { m_form.pressDelete(); });
    actOnClick(m_ui->applyButton, [this] { m_form.pressApply(); });
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    for (const auto &[box, spring, axis] : {std::tuple{m_ui->fixedXBox, m_ui->kxEdit, Axis::X},
                                            std::tuple{m_ui->fixedYBox, m_ui->kyEdit, Axis::Y}}) {
        actOnClick(box, [this, box = box, a = axis] { m_form.setFixed(a, box->isChecked()); });
        connect(spring, &QLineEdit::textEdited, this,
                [this, a = axis] { act([=, this] { m_form.springEdited(a); }); });
    }
    connect(m_ui->supportPicture, &SvgPicture::clicked, this,
            [this] { act([this] { m_form.clickSupportPicture(); }); });
}

void frmKomboi::openOn(int node)
{
    m_form.open(node);
    showForm();
}

void frmKomboi::reload()
{
    readFields();
    openOn(typedItem(m_form.fields.number));
}

void frmKomboi::readFields()
{
    NodeInput &f = m_form.fields;
    f.number = m_ui->numberBox->currentText();
    f.x = m_ui->xEdit->text();
    f.y = m_ui->yEdit->text();
    f.kx = m_ui->kxEdit->text();
    f.ky = m_ui->kyEdit->text();
    f.fixedX = m_ui->fixedXBox->isChecked();
    f.fixedY = m_ui->fixedYBox->isChecked();
}

void frmKomboi::showForm()
{
    const NodeInput &f = m_form.fields;
    showNumberBox(m_ui->numberBox, m_form.entries(), f.number);
    m_ui->stateLabel->setText(stateLabel(m_form.isNew));
    showText(m_ui->xEdit, f.x);
    showText(m_ui->yEdit, f.y);
    showText(m_ui->kxEdit, f.kx);
    showText(m_ui->kyEdit, f.ky);
    m_ui->fixedXBox->setChecked(f.fixedX);
    m_ui->fixedYBox->setChecked(f.fixedY);
    const int picture = m_form.supportPicture() - 1;
    m_ui->supportPicture->setSource(QString::fromLatin1(kSupportPictures[picture]));
    m_ui->supportPicture->setAccessibleDescription(QString::fromLatin1(kSupportNames[picture]));
    moveFocus(fieldWidget(m_form.focus), m_form.selectAll);
    carryOut(m_form.effects);
}

QWidget *frmKomboi::fieldWidget(NodeField field) const
{
    switch (field) {
    case NodeField::Number: return m_ui->numberBox;
    case NodeField::X: return m_ui->xEdit;
    case NodeField::Y: return m_ui->yEdit;
    case NodeField::Kx: return m_ui->kxEdit;
    case NodeField::Ky: return m_ui->kyEdit;
    case NodeField::Apply: return m_ui->applyButton;
    case NodeField::None: break;
    }
    return nullptr;
}
