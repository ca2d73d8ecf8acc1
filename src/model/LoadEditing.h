#pragma once
// Setting, changing and removing the load (Fx, Fy) of one node from the
// texts of the nodal loads dialog (frmEPIKOMBIO). The load is the pair of
// load columns in the node's own row.
#include "model/EditForms.h"

#include <QString>
#include <vector>

class Interaction;
struct Model;

struct LoadInput {
    QString node; // the node box
    QString fx, fy;
};

enum class LoadField { None, Node, Fx, Fy, Apply };
using LoadVerdict = Verdict<LoadField>;

// Whether the dialog may open: a node must exist (otherwise the reason is
// told and false returned).
bool loadsDialogMayOpen(const Model &model, Interaction &user);

// The node box must name an existing node ("There is no node #<text>.") and
// Fx and Fy must fit single precision.
LoadVerdict checkLoadInput(const Model &model, Interaction &user, const LoadInput &in);

struct LoadApplied {
    LoadVerdict verdict;
    int node = 0;
};

// "Apply": stores the typed Fx and Fy (empty gives 0) as the node's load and
// logs the change, quoting the texts as typed: "New loads on node #..",
// "Loads deleted on node #.." (green) or "* Loads on node #..", nothing when
// the load is unchanged. The model is marked changed in every case.
LoadApplied applyLoad(Model &model, Interaction &user, const LoadInput &in);

// "Delete": with a number other than 0 in Fx or Fy, empties both and
// applies; otherwise tells "There is no load to delete on node #<text>"
// and refuses with the focus on "Apply".
LoadApplied deleteLoad(Model &model, Interaction &user, LoadInput &in);

// The loaded nodes in ascending order: Fx or Fy not 0.
std::vector<int> loadedNodes(const Model &model);
