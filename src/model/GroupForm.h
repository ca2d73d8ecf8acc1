#pragma once
// What the E,A groups dialog (frmOmades) shows and does, without a widget.
#include "model/GroupEditing.h"

class GroupForm {
public:
    GroupForm(Model &model, Interaction &user) : m_model(model), m_user(user) {}

    GroupInput fields;
    bool isNew = true;
    GroupField focus = GroupField::None;
    bool selectAll = false;
    EditEffects effects;

    int entries() const; // group number box: 1..groups + 1

    // Opening on `group` (0, as the dialog opens: the new-group entry),
    // without moving the focus.
    void open(int group = 0);
    void selectNumber(int v);
    void pressNew();
    void pressApply();
    void pressDelete();

private:
    void begin();
    void show(int v, bool moveFocus);

    Model &m_model;
    Interaction &m_user;
};
