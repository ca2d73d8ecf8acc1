#pragma once
// Adding, changing and deleting one node with its constraints and springs,
// from the texts of the nodes dialog (frmKomboi). The operations validate,
// write the model, the log line and the model-changed flag; what the dialog
// shows around them is NodeForm's.
#include "model/EditForms.h"

#include <QString>

class Interaction;
struct Model;
struct Node;
struct Spring;

// The dialog's fields as typed. Empty texts read as 0.
struct NodeInput {
    QString number; // the node number box
    QString x, y, kx, ky;
    bool fixedX = false, fixedY = false;
};

enum class NodeField { None, Number, X, Y, Kx, Ky, Apply };
using NodeVerdict = Verdict<NodeField>;

// The validation, in its order: the node number's limit, a node already at
// the typed point (the node being changed is not compared with itself), the
// node number itself (below 1, not whole, or neither an existing node nor
// the next new one), negative spring constants, and values beyond single
// precision. The first failing check is told (box and red log line).
NodeVerdict elegxos_kombon(const Model &model, Interaction &user, const NodeInput &in);

struct NodeApplied {
    NodeVerdict verdict;
    int node = 0;       // the node written
    bool added = false; // a new node
};

// "Apply": validates, then writes the new last node or the existing one,
// logs "New node #n, ..." or "* Node #<box text>, ..." in dark blue and
// marks the model changed. One edit step.
NodeApplied applyNode(Model &model, Interaction &user, const NodeInput &in);

enum class NodeDeletion { Refused, Cancelled, Deleted };

// "Delete": a number that is not an existing node is refused with "There is
// no node to be deleted #<text>."; a node with elements asks once whether
// they may go too (OK deletes them, lowest number first, then the node;
// Cancel changes nothing). One edit step.
NodeDeletion deleteNode(Model &model, Interaction &user, const QString &numberText);

// "<head>, x=.., y=.." with the constraint part (", Free" or
// ", Constraints: xo") and the spring part (", Kx= 5, Ky= 3").
QString nodeLogLine(const QString &head, const Node &node, const Spring &spring);
