#pragma once
// Adding, changing and deleting one element from the texts of the elements
// dialog (frmStoixeia). The operations validate, write the model, the log
// line and the model-changed flag; what the dialog shows is ElementForm's.
#include "model/EditForms.h"

#include <QString>

class Interaction;
struct Model;

struct ElementInput {
    QString number; // the element number box
    QString nodeI, nodeJ, group;
};

enum class ElementField { None, Number, NodeI, NodeJ, Group, Apply };
using ElementVerdict = Verdict<ElementField>;

// Whether the dialog may open: an E,A group and two nodes must exist
// (otherwise the reason is told and false returned).
bool elementsDialogMayOpen(const Model &model, Interaction &user);

// The validation, in its order: the element number's limit, the element
// number (below 1, not whole, or neither an existing element nor the next
// new one), the group, node i and node j (each below 1, not whole, or naming
// nothing that exists), and nodes i and j equal.
ElementVerdict elegxos_stoixeion(const Model &model, Interaction &user, const ElementInput &in);

struct ElementApplied {
    ElementVerdict verdict;
    int element = 0;
    bool added = false;
};

// "Apply": validates, then writes the new last element or the existing one,
// logs "New element #n, ..." or "* Element #<box text>, ..." in dark blue and
// marks the model changed. One edit step.
ElementApplied applyElement(Model &model, Interaction &user, const ElementInput &in);

// "Delete": an existing element goes (Diagrafi_Stoixeiou, one edit step);
// any other number is refused with "Element does not exist to be deleted
// #<text>.". Returns whether it was deleted.
bool deleteElement(Model &model, Interaction &user, const QString &numberText);
