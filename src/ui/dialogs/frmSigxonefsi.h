#pragma once
// The merge nodes dialog ("Merge nodes"): joins node B into node A. A thin
// window over MergeForm.
#include "model/MoveMerge.h"
#include "ui/dialogs/EditingDialog.h"

#include <memory>

class Workspace;
namespace Ui {
class frmSigxonefsi;
}

class frmSigxonefsi : public EditingDialog {
    Q_OBJECT
public:
    frmSigxonefsi(Workspace &ws, EffectsHandler onEffects, QWidget *parent = nullptr);
    ~frmSigxonefsi() override;

    // Node 1 in both boxes.
    void openOn();
    void reload() override;

private:
    void readFields() override;
    void showForm() override;

    std::unique_ptr<Ui::frmSigxonefsi> m_ui;
    MergeForm m_form;
};
