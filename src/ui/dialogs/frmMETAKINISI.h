#pragma once
// The move nodes dialog ("Move nodes"): shifts a range of nodes by one
// offset. A thin window over MoveForm; it stays open after each move.
#include "model/MoveMerge.h"
#include "ui/dialogs/EditingDialog.h"

#include <memory>

class Workspace;
namespace Ui {
class frmMETAKINISI;
}

class frmMETAKINISI : public EditingDialog {
    Q_OBJECT
public:
    frmMETAKINISI(Workspace &ws, EffectsHandler onEffects, QWidget *parent = nullptr);
    ~frmMETAKINISI() override;

    // From node 1 to the last node.
    void openOn();
    void reload() override;

private:
    void readFields() override;
    void showForm() override;

    std::unique_ptr<Ui::frmMETAKINISI> m_ui;
    MoveForm m_form;
};
