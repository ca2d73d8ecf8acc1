#pragma once
// Checks of the model that the editing dialogs allow to pass but the analysis
// does not like.
#include <functional>

class Interaction;
struct Model;

// The first node (1-based) that no element uses as node i or node j, or 0
// when every node is connected.
int firstUnconnectedNode(const Model &model);

// The check that runs before every analysis. Each node without elements is
// reported in the log and the user is asked whether to delete it: Yes deletes
// it (then `redraw` runs and the check starts again from node 1), No lets the
// analysis go ahead at once, Cancel stops. Returns whether the analysis
// should be started; never with an empty model.
bool checkUnconnectedNodes(Model &model, Interaction &user,
                           const std::function<void()> &redraw = {});
