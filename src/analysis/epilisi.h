#pragma once
#include <vector>

class Interaction;
struct FreeMotion;
struct AnalysisResults;
struct Model;

// What one analysis works on: the model it reads (and whose flags it sets),
// the results it renews, and the log, prompts and window hooks through which
// it reports. A Workspace converts to one.
struct AnalysisContext {
    Model &model;
    AnalysisResults &results;
    Interaction &user;
};

// One complete linear static analysis of the current model: assembly,
// solution, result recovery, extrema, log lines, timing and the mechanism
// warning. A model that cannot be analysed (an element of zero length, a
// reference outside the model, a group with E <= 0 or A <= 0, a singular
// system) is refused with a message; the previous results then stay as they
// were and the analysis-failed flag is set.
// Returns true when the results were renewed.
bool Run_Analysis(const AnalysisContext &context);
// The same; when the solution failed or the mechanism warning was given,
// the free motions of the structure follow the program's own messages as
// red log lines and are left in *freeMotions (emptied otherwise; may be
// null). The results, flags and messages are those of the plain run.
bool Run_Analysis(const AnalysisContext &context, std::vector<FreeMotion> *freeMotions);
