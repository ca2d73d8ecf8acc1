#pragma once
// The two tools that change many references at once: moving a range of
// nodes by one offset (frmMETAKINISI) and merging node B into node A
// (frmSigxonefsi), with the forms of their dialogs.
#include "model/EditForms.h"

#include <QString>

class Interaction;
struct Model;

// Whether either dialog may open: a node must exist (otherwise "No nodes have
// been defined yet." is told and false returned).
bool nodesDefined(const Model &model, Interaction &user);

struct MoveInput {
    QString first, last; // node boxes
    QString dx, dy;
};

enum class MoveField { None, First, Last, Dx, Dy, Apply };
using MoveVerdict = Verdict<MoveField>;

// "Apply" of Move nodes: nothing at all when dx and dy are both 0; otherwise
// adds dx and dy to every node from first to last (none when first > last)
// and logs "Moved nodes: #first to #last, dx=.., dy=..". Refuses offsets
// beyond single precision, node numbers that name no node, and a move that
// would take a coordinate beyond single precision. One edit step. Returns
// the verdict; `changed` tells whether the model was touched.
MoveVerdict moveNodes(Model &model, Interaction &user, const MoveInput &in, bool &changed);

struct MergeInput {
    QString nodeB, nodeA; // node boxes
    bool deleteB = false;
    bool midpoint = false; // "Move node A to the middle of segment AB"
};

enum class MergeField { None, NodeB, NodeA, Apply };
using MergeVerdict = Verdict<MergeField>;

// "Apply" of Merge nodes: nothing when A = B. Each element joining A and B
// is offered for deletion (Cancel stops the merge, keeping what was deleted
// by then); then every reference to B becomes A, A moves to the midpoint if
// asked, the merge is logged and B deleted if asked. No element is left
// joining A to itself. One edit step. `changed` tells whether the model was
// touched.
MergeVerdict mergeNodes(Model &model, Interaction &user, const MergeInput &in, bool &changed);

class MoveForm {
public:
    MoveForm(Model &model, Interaction &user) : m_model(model), m_user(user) {}

    MoveInput fields;
    MoveField focus = MoveField::None;
    bool selectAll = false;
    EditEffects effects;

    int nodeEntries() const;
    // From node 1 to the last node, no offsets.
    void open();
    void pressApply();

private:
    Model &m_model;
    Interaction &m_user;
};

class MergeForm {
public:
    MergeForm(Model &model, Interaction &user) : m_model(model), m_user(user) {}

    MergeInput fields;
    MergeField focus = MergeField::None;
    bool selectAll = false;
    EditEffects effects;

    int nodeEntries() const;
    // Node 1 in both boxes.
    void open();
    // Choosing node B moves the focus to the A box.
    void chooseNodeB();
    void pressApply();

private:
    Model &m_model;
    Interaction &m_user;
};
