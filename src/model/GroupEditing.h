#pragma once
// Adding, changing and deleting one E,A element group from the texts of the
// groups dialog (frmOmades). A group is deleted here, with the renumbering
// of the elements' group references; a group in use is never deleted.
#include "model/EditForms.h"

#include <QString>

class Interaction;
struct Model;

struct GroupInput {
    QString number; // the group number box
    QString e, a;
};

enum class GroupField { None, Number, E, A, Apply };
using GroupVerdict = Verdict<GroupField>;

// The validation, in its order: the group number's limit, the group number
// (below 1, not whole, or neither an existing group nor the next new one),
// E and A (each must be above 0 and fit a model file).
GroupVerdict elegxos_omadon(const Model &model, Interaction &user, const GroupInput &in);

struct GroupApplied {
    GroupVerdict verdict;
    int group = 0;
    bool added = false;
};

// "Apply": validates, then writes the new last group or the existing one,
// logs "New group #n, E= .., A= .." or "* Group #<box text>, ..." in dark
// blue and marks the model changed. One edit step.
GroupApplied applyGroup(Model &model, Interaction &user, const GroupInput &in);

// "Delete": refuses a number that is not an existing group ("There is no
// Group #<text> to delete.") and a group that an element uses; otherwise
// moves the later groups down, renumbers the elements' references, logs the
// green deletion line and marks the model changed. One edit step. Returns
// whether the group was deleted.
bool deleteGroup(Model &model, Interaction &user, const QString &numberText);
