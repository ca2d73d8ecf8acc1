#pragma once
// The graphical definition of the model with the mouse (placing nodes and
// elements, stepping supports) plugs into the main window through this
// interface. The window hands it the drawing area's mouse events only in the
// model drawing mode and while no pan or zoom mode is on; the view gestures
// themselves stay with the window.
#include <Qt>

class ModelMouseTool {
public:
    virtual ~ModelMouseTool() = default;
    virtual void pressed(Qt::MouseButton button, double xCm, double yCm) = 0;
    virtual void moved(Qt::MouseButtons buttons, double xCm, double yCm) = 0;
    virtual void released(Qt::MouseButton button, double xCm, double yCm) = 0;
    virtual void doubleClicked() = 0;
    // Hides the node and element markers that follow the pointer.
    virtual void hideHoverMarkers() = 0;
};
