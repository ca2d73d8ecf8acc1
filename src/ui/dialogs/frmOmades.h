#pragma once
// The E,A groups dialog ("E,A Element Groups"): adds, changes and deletes
// one group. A thin window over GroupForm.
#include "model/GroupForm.h"
#include "ui/dialogs/EditingDialog.h"

#include <memory>

class Workspace;
namespace Ui {
class frmOmades;
}

class frmOmades : public EditingDialog {
    Q_OBJECT
public:
    frmOmades(Workspace &ws, EffectsHandler onEffects, QWidget *parent = nullptr);
    ~frmOmades() override;

    // Shows the new-group entry as the dialog opens.
    // Shows `group` (0: the new-group entry).
    void openOn(int group = 0);
    void reload() override;

private:
    void connectControls();
    void readFields() override;
    void showForm() override;
    QWidget *fieldWidget(GroupField field) const;

    std::unique_ptr<Ui::frmOmades> m_ui;
    GroupForm m_form;
};
