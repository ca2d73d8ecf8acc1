#pragma once
// The program-wide state: one model with its results, the display settings,
// the view and the drawing mode, beside the message log and the interfaces
// through which the core talks to the user and the main window (the
// Interaction it is). The main window owns one Workspace for the whole run;
// every test builds a fresh one.
#include "analysis/epilisi.h"
#include "common/Interaction.h"
#include "common/Settings.h"
#include "drawing/DrawingContext.h"
#include "drawing/ViewTransform.h"
#include "files/Files.h"
#include "model/AnalysisResults.h"
#include "model/Model.h"

class Workspace : public Interaction {
public:
    Model model;
    AnalysisResults results;
    Settings settings;
    ViewTransform view;
    std::int16_t drawingMode = ModeModel;

    // A Workspace passes as the part of it that a lower layer's operation
    // takes, so `Run_Analysis(ws)` reads as before.
    operator AnalysisContext() { return {model, results, *this}; }
    operator DrawingContext() { return {model, results, settings, view, drawingMode, log}; }
    operator FileContext() { return {model, results, settings, view, *this}; }
};
