#pragma once
// What the nodes dialog (frmKomboi) shows and does, without a widget: the
// fields, the state label, the support picture, where the focus goes after
// each action and what the main window must do. The dialog copies its
// widgets into `fields` before an action and shows the form after it.
#include "model/NodeEditing.h"

enum class Axis { X, Y };

class NodeForm {
public:
    NodeForm(Model &model, Interaction &user) : m_model(model), m_user(user) {}

    NodeInput fields;
    bool isNew = true;                 // "(New)" or "(Existing)"
    NodeField focus = NodeField::None; // after the last action; None: stays
    bool selectAll = false;            // the focused field's text selected
    EditEffects effects;               // of the last action

    // The number box lists 1 to this: every node and the new-node entry.
    int entries() const;
    // 1 free, 2 x fixed, 3 y fixed, 4 both fixed.
    int supportPicture() const;

    // Opening on `node` (0: the new-node entry), without moving the focus.
    void open(int node = 0);
    // The user chose entry v of the number box.
    void selectNumber(int v);
    void pressNew();
    void pressApply();
    void pressDelete();
    // A constraint box changed; a box that becomes checked empties the
    // spring constant of its direction.
    void setFixed(Axis axis, bool fixed);
    // The user changed the text of a spring box: a constant above 0 clears
    // the constraint of its direction.
    void springEdited(Axis axis);
    // A click on the support picture steps free, x fixed, y fixed, both.
    void clickSupportPicture();

private:
    void begin();
    void show(int v, bool moveFocus);
    void showNew();

    Model &m_model;
    Interaction &m_user;
};
