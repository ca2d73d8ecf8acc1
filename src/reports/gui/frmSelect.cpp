#include "reports/gui/frmSelect.h"

#include "ui_frmSelect.h"

#include <QCheckBox>
#include <QLayout>
#include <QPushButton>

frmSelect::frmSelect(const QString &caption, QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::frmSelect>())
{
    m_ui->setupUi(this);
    setWindowTitle(caption);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    okButton()->setAccessibleName(okButton()->text().remove(QLatin1Char('&')));
    cancelButton()->setAccessibleName(cancelButton()->text().remove(QLatin1Char('&')));
}

frmSelect::~frmSelect() = default;

QCheckBox *frmSelect::sectionBox(int k) const
{
    QCheckBox *const boxes[] = {m_ui->chkModelData, m_ui->chkNodeDisplacements,
                                m_ui->chkElementForces, m_ui->chkReactions};
    return k >= 0 && k < 4 ? boxes[k] : nullptr;
}

ReportSections frmSelect::sections() const
{
    ReportSections s;
    for (int k = 0; k < 4; ++k)
        s.chosen[std::size_t(k)] = sectionBox(k)->isChecked();
    return s;
}

QAbstractButton *frmSelect::okButton() const { return m_ui->buttons->button(QDialogButtonBox::Ok); }

QAbstractButton *frmSelect::cancelButton() const
{
    return m_ui->buttons->button(QDialogButtonBox::Cancel);
}
