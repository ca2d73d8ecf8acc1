#pragma once
// What the model drawing works on: the model and its results, the display
// settings, the view, the drawing mode and the log. A Workspace converts to
// one, so `RedrawDrawingArea(ws, canvas)` draws the program's state.
#include <cstdint>

class MessageLog;
struct AnalysisResults;
struct Model;
struct Settings;
struct ViewTransform;

enum DrawingMode : std::int16_t {
    ModeModel = 0,
    ModeAxialForce = 1,
    ModeDeformed = 2,
    ModeColourDiagram = 3,
    ModeAnimation = 4,
};

struct DrawingContext {
    const Model &model;
    const AnalysisResults &results;
    const Settings &settings;
    // Written only where the grid notes that it has told it is too dense.
    ViewTransform &view;
    std::int16_t drawingMode;
    // The grid's notice that it is too dense to display.
    MessageLog &log;
};
