#include "drawing/gui/ResultViewControls.h"

#include "drawing/ResultQuantity.h"

#include <QButtonGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QToolButton>

namespace {

constexpr int kMargin = 4;

const struct {
    Quantity quantity;
    const char *caption, *name, *tip;
} kQuantities[] = {
    {Quantity::Force, "Force", "optForce", "Show the axial force F"},
    {Quantity::Stress, "Stress", "optStress", "Show the axial stress s = F / A"},
    {Quantity::Strain, "Strain", "optStrain", "Show the axial strain e = s / E"},
};

QToolButton *stepper(QWidget *parent, const char *text, const char *name, const char *accessible,
                     const char *tip)
{
    auto *b = new QToolButton(parent);
    b->setText(QString::fromUtf8(text));
    b->setObjectName(QString::fromLatin1(name));
    // A symbol alone says little to a screen reader.
    b->setAccessibleName(QString::fromLatin1(accessible));
    b->setToolTip(QString::fromLatin1(tip));
    b->setAutoRaise(false);
    return b;
}

} // namespace

ResultViewControls::ResultViewControls(QWidget *area) : QWidget(area)
{
    setObjectName(QStringLiteral("resultViewControls"));
    setAutoFillBackground(true);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(kMargin, 2, 2, 2);
    row->setSpacing(6);
    auto *group = new QButtonGroup(this);
    for (int k = 0; k < 3; ++k) {
        auto *b = new QRadioButton(QString::fromLatin1(kQuantities[k].caption), this);
        b->setObjectName(QString::fromLatin1(kQuantities[k].name));
        b->setToolTip(QString::fromLatin1(kQuantities[k].tip));
        group->addButton(b, k);
        row->addWidget(b);
        m_quantities[k] = b;
        const Quantity q = kQuantities[k].quantity;
        connect(b, &QRadioButton::clicked, this, [this, q] { emit quantityChosen(q); });
    }
    m_plus = stepper(this, "+", "cmdPLUS", "Enlarge", "Enlarge the diagram or the deformation");
    m_minus =
        stepper(this, "\u2212", "cmdMINUS", "Reduce", "Reduce the diagram or the deformation");
    row->addWidget(m_plus);
    row->addWidget(m_minus);
    connect(m_plus, &QToolButton::clicked, this, &ResultViewControls::plusClicked);
    connect(m_minus, &QToolButton::clicked, this, &ResultViewControls::minusClicked);
    area->installEventFilter(this);
    hide();
}

QRadioButton *ResultViewControls::quantityButton(Quantity q) const
{
    return m_quantities[static_cast<int>(q)];
}

void ResultViewControls::showGroups(bool steppers, bool quantities)
{
    for (QRadioButton *b : m_quantities)
        b->setVisible(quantities);
    m_plus->setVisible(steppers);
    m_minus->setVisible(steppers);
    setVisible(steppers || quantities);
    if (isVisible()) {
        adjustSize();
        place();
        raise();
    }
}

void ResultViewControls::setQuantity(Quantity q) { quantityButton(q)->setChecked(true); }

void ResultViewControls::setColours(const QColor &back, const QColor &text)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, back);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::ButtonText, text);
    setPalette(p);
}

bool ResultViewControls::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        place();
    return QWidget::eventFilter(watched, event);
}

void ResultViewControls::place()
{
    if (QWidget *area = parentWidget())
        move(std::max(0, area->width() - width() - kMargin), kMargin);
}
