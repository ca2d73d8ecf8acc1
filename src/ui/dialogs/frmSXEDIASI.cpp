#include "ui/dialogs/frmSXEDIASI.h"

#include "common/Registry.h"
#include "drawing/gui/Colours.h"
#include "ui_frmSXEDIASI.h"
#include "workspace/ViewOptions.h"
#include "workspace/Workspace.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocumentFragment>
#include <QToolButton>

#include <map>
#include <utility>

namespace {

constexpr QSize kSwatchSize{28, 16};

QPixmap swatchPicture(const QColor &colour)
{
    QPixmap picture(kSwatchSize);
    picture.fill(colour);
    QPainter p(&picture);
    p.setPen(Qt::black);
    p.drawRect(QRect(QPoint(0, 0), kSwatchSize - QSize(1, 1)));
    return picture;
}

bool isNumeric(const SettingRow &row)
{
    return row.kind() == SettingKind::Single || row.kind() == SettingKind::Int16;
}

} // namespace

frmSXEDIASI::frmSXEDIASI(Workspace &ws, SettingsStore &store, std::function<void()> applied,
                         QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::frmSXEDIASI>()), m_ws(ws), m_store(store),
      m_applied(std::move(applied))
{
    m_ui->setupUi(this);
    nameFieldsByTheirLabels();
    connectControls();
    setInput(ViewOptionsInput::fromSettings(ws.settings));
}

frmSXEDIASI::~frmSXEDIASI() = default;

QWidget *frmSXEDIASI::control(const SettingRow &row) const
{
    if (&row == &settingRow(&Settings::N_sin_Ina))
        return m_ui->directionButton;
    return findChild<QWidget *>(QString::fromLatin1(row.key));
}

// A field between two words ("1cm=" ... "units F") is named by both, so that
// each of the three scale fields has a name of its own.
void frmSXEDIASI::nameFieldsByTheirLabels()
{
    std::map<QWidget *, QStringList> names;
    for (QLabel *label : findChildren<QLabel *>()) {
        if (label->buddy())
            names[label->buddy()] << QTextDocumentFragment::fromHtml(label->text()).toPlainText();
    }
    for (auto &[widget, texts] : names)
        widget->setAccessibleName(texts.join(QLatin1Char(' ')));
}

void frmSXEDIASI::connectControls()
{
    for (QAbstractButton *box : {static_cast<QAbstractButton *>(m_ui->nai_grid),
                                 static_cast<QAbstractButton *>(m_ui->nai_desmefseis),
                                 static_cast<QAbstractButton *>(m_ui->nai_times_N)})
        connect(box, &QAbstractButton::toggled, this, &frmSXEDIASI::updateEnabling);
    for (const ColourSwatch &swatch : colourSwatches()) {
        auto *button = qobject_cast<QToolButton *>(control(settingRow(swatch.member)));
        connect(button, &QToolButton::clicked, this, [this, m = swatch.member] { pickColour(m); });
    }
    connect(m_ui->directionButton, &QToolButton::clicked, this, &frmSXEDIASI::toggleDirection);
    connect(m_ui->applyButton, &QPushButton::clicked, this, &frmSXEDIASI::apply);
    connect(m_ui->okButton, &QPushButton::clicked, this, &frmSXEDIASI::ok);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->defaultButton, &QPushButton::clicked, this, &frmSXEDIASI::writeDefaults);
    connect(m_ui->restoreButton, &QPushButton::clicked, this, &frmSXEDIASI::restore);
}

ViewOptionsInput frmSXEDIASI::input() const
{
    ViewOptionsInput in = m_input;
    for (const SettingRow &row : settingRows()) {
        QWidget *w = control(row);
        if (auto *edit = qobject_cast<QLineEdit *>(w))
            in.text(row) = edit->text();
        else if (row.kind() == SettingKind::Boolean && w != m_ui->directionButton)
            in.flag(std::get<bool Settings::*>(row.member)) =
                qobject_cast<QAbstractButton *>(w)->isChecked();
    }
    return in;
}

void frmSXEDIASI::setInput(const ViewOptionsInput &in)
{
    m_input = in;
    for (const SettingRow &row : settingRows()) {
        QWidget *w = control(row);
        if (isNumeric(row))
            qobject_cast<QLineEdit *>(w)->setText(in.text(row));
        else if (row.kind() == SettingKind::Colour)
            showSwatch(std::get<double Settings::*>(row.member));
        else if (w != m_ui->directionButton)
            qobject_cast<QAbstractButton *>(w)->setChecked(in.choice(row) != 0);
    }
    // The option button that is not a setting of its own.
    m_ui->symbolicConstraints->setChecked(!in.flag(&Settings::nai_graf_stir));
    showDirection();
    updateEnabling();
}

void frmSXEDIASI::updateEnabling()
{
    const ViewOptionsInput in = input();
    for (const SettingRow &row : settingRows()) {
        QWidget *w = control(row);
        const bool on = in.isEnabled(row.member);
        w->setEnabled(on);
        for (QLabel *label : findChildren<QLabel *>()) {
            if (label->buddy() == w)
                label->setEnabled(on);
        }
    }
    m_ui->symbolicConstraints->setEnabled(m_ui->nai_graf_stir->isEnabled());
}

void frmSXEDIASI::showSwatch(double Settings::*swatch)
{
    auto *button = qobject_cast<QToolButton *>(control(settingRow(swatch)));
    const QColor colour = resolveColour(colourValue(m_input.colour(swatch)), palette());
    button->setIcon(swatchPicture(colour));
    button->setIconSize(kSwatchSize);
    button->setAccessibleDescription(colour.name());
}

void frmSXEDIASI::showDirection()
{
    const bool sameSide = m_input.flag(&Settings::N_sin_Ina);
    m_ui->directionButton->setIcon(QIcon(sameSide ? QStringLiteral(":/icons/direction_true.svg")
                                                  : QStringLiteral(":/icons/direction_false.svg")));
    m_ui->directionButton->setAccessibleDescription(
        sameSide ? QStringLiteral("Positive values on the right of the element from i to j")
                 : QStringLiteral("Positive values on the left of the element from i to j"));
}

void frmSXEDIASI::toggleDirection()
{
    bool &direction = m_input.flag(&Settings::N_sin_Ina);
    direction = !direction;
    showDirection();
}

void frmSXEDIASI::pickColour(double Settings::*swatch)
{
    if (pickSwatchColour(m_ws.prompts(), m_input, swatch))
        showSwatch(swatch);
}

bool frmSXEDIASI::apply()
{
    const ViewOptionsCheck check = applyViewOptions(m_ws, input());
    if (check != ViewOptionsCheck::Ok) {
        showFailure(check);
        return false;
    }
    if (m_applied)
        m_applied();
    return true;
}

void frmSXEDIASI::ok()
{
    if (apply())
        accept();
}

void frmSXEDIASI::writeDefaults()
{
    const ViewOptionsCheck check = writeDefaultViewOptions(m_ws, m_store, input());
    if (check != ViewOptionsCheck::Ok)
        showFailure(check);
}

void frmSXEDIASI::restore()
{
    ViewOptionsInput in = input();
    in.restore();
    setInput(in);
}

void frmSXEDIASI::showFailure(ViewOptionsCheck check)
{
    const ViewOptionsFailure failure = describeFailure(check);
    m_ui->tabs->setCurrentIndex(static_cast<int>(failure.tab));
    auto *field = qobject_cast<QLineEdit *>(control(*failure.field));
    // A disabled field (the grid spacing with "Grid" cleared) is checked too;
    // it takes input again so that the value can be put right.
    field->setEnabled(true);
    for (QLabel *label : findChildren<QLabel *>()) {
        if (label->buddy() == field)
            label->setEnabled(true);
    }
    field->setFocus();
    field->selectAll();
}
