#pragma once
// The nodes dialog ("Nodes"): adds, changes and deletes one node with its
// constraints and springs. A thin window over NodeForm, which holds what
// the dialog shows and does.
#include "model/NodeForm.h"
#include "ui/dialogs/EditingDialog.h"

#include <memory>

class Workspace;
namespace Ui {
class frmKomboi;
}

class frmKomboi : public EditingDialog {
    Q_OBJECT
public:
    frmKomboi(Workspace &ws, EffectsHandler onEffects, QWidget *parent = nullptr);
    ~frmKomboi() override;

    // Shows `node` as the dialog opens (0: the new-node entry).
    void openOn(int node = 0);
    void reload() override;

private:
    void connectControls();
    void readFields() override;
    void showForm() override;
    QWidget *fieldWidget(NodeField field) const;

    std::unique_ptr<Ui::frmKomboi> m_ui;
    NodeForm m_form;
};
