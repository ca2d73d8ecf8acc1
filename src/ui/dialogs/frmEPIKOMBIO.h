#pragma once
// The nodal loads dialog ("Nodal loads"): sets, changes and removes the load
// of one node. A thin window over LoadForm.
#include "model/LoadForm.h"
#include "ui/dialogs/EditingDialog.h"

#include <memory>

class Workspace;
namespace Ui {
class frmEPIKOMBIO;
}

class frmEPIKOMBIO : public EditingDialog {
    Q_OBJECT
public:
    frmEPIKOMBIO(Workspace &ws, EffectsHandler onEffects, QWidget *parent = nullptr);
    ~frmEPIKOMBIO() override;

    // Shows `node` as the dialog opens (0: node 1).
    void openOn(int node = 0);
    void reload() override;

private:
    void connectControls();
    void readFields() override;
    void showForm() override;
    void showLoadedNodes();
    QWidget *fieldWidget(LoadField field) const;

    std::unique_ptr<Ui::frmEPIKOMBIO> m_ui;
    LoadForm m_form;
};
