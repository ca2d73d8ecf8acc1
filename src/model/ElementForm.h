#pragma once
// What the elements dialog (frmStoixeia) shows and does, without a widget:
// the fields, the state label, where the focus goes after each action and
// what the main window must do.
#include "model/ElementEditing.h"

class ElementForm {
public:
    ElementForm(Model &model, Interaction &user) : m_model(model), m_user(user) {}

    ElementInput fields; // node boxes empty: nothing selected
    bool isNew = true;
    ElementField focus = ElementField::None;
    bool selectAll = false;
    EditEffects effects;

    int entries() const;      // element number box: 1..elements + 1
    int nodeEntries() const;  // node boxes: 1..nodes
    int groupEntries() const; // group box: 1..groups

    // Opening on `element` (0: the new-element entry), without moving the
    // focus.
    void open(int element = 0);
    void selectNumber(int v);
    // The focus chain: group, node i, node j, "Apply".
    void chooseGroup();
    void chooseNodeI();
    void chooseNodeJ();
    void pressNew();
    void pressApply();
    void pressDelete();

private:
    void begin();
    void show(int v, bool moveFocus);
    void showNew();

    Model &m_model;
    Interaction &m_user;
};
