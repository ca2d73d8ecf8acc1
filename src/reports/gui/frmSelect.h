#pragma once
// The selection dialog of the exports: which sections of the data and
// results go out. Its caption names the action ("Save to file", "Print", ...);
// "Node displacements" and "Element forces" are checked when it opens.
#include "reports/ReportSelection.h"

#include <QDialog>
#include <memory>

namespace Ui {
class frmSelect;
}
class QAbstractButton;
class QCheckBox;

class frmSelect : public QDialog {
    Q_OBJECT
public:
    explicit frmSelect(const QString &caption, QWidget *parent = nullptr);
    ~frmSelect() override;

    // The sections checked now, in report order.
    ReportSections sections() const;

    // For the tests: the check box of section k (0 to 3), and the buttons.
    QCheckBox *sectionBox(int k) const;
    QAbstractButton *okButton() const;
    QAbstractButton *cancelButton() const;

private:
    std::unique_ptr<Ui::frmSelect> m_ui;
};
