#pragma once
// The two checks of the Tools menu that look for nodes lying (almost) on top
// of each other and for elements joining the same pair of nodes. They only
// report; the model is never changed.
#include <optional>

class Interaction;
struct Model;

inline constexpr double kDefaultTolerance = 1E-05;
inline constexpr double kMaxTolerance = 0.001;

// Asks for the tolerance (input box), tells when the default or a limit is
// used, and returns the tolerance from 0 to 0.001.
double askCoincidenceTolerance(Interaction &user);

// Coincident nodes: every pair i < j closer than the tolerance is shown in a
// box of its own; the summary goes to the log in red and to a box. Nothing
// when no node is defined (told). Returns the number of pairs found.
std::optional<int> checkCoincidentNodes(const Model &model, Interaction &user);

// Coincident elements: each pair joining the same two nodes, in either
// direction, is logged in red and shown with the question whether to go on;
// No stops at once without a summary. Nothing when no element is defined
// (told) or when the user stopped. Returns the number of pairs found.
std::optional<int> checkCoincidentElements(const Model &model, Interaction &user);
