#pragma once
// The elements dialog ("Elements"): adds, changes and deletes one element.
// A thin window over ElementForm.
#include "model/ElementForm.h"
#include "ui/dialogs/EditingDialog.h"

#include <memory>

class Workspace;
namespace Ui {
class frmStoixeia;
}

class frmStoixeia : public EditingDialog {
    Q_OBJECT
public:
    frmStoixeia(Workspace &ws, EffectsHandler onEffects, QWidget *parent = nullptr);
    ~frmStoixeia() override;

    // Shows `element` as the dialog opens (0: the new-element entry).
    void openOn(int element = 0);
    void reload() override;

private:
    void connectControls();
    void readFields() override;
    void showForm() override;
    QWidget *fieldWidget(ElementField field) const;

    std::unique_ptr<Ui::frmStoixeia> m_ui;
    ElementForm m_form;
};
