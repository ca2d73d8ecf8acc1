#pragma once
// The view modes of the drawing area (pan, drag zoom, zoom window) and what
// the mouse does in them. The main window feeds it the drawing area's presses,
// moves and releases in centimetres; it changes the view and answers with the
// steps the window carries out on screen. It draws nothing itself.
#include "drawing/ViewOps.h"

#include <QFlags>
#include <QRectF>
#include <Qt>

struct ViewTransform;

// At most one view mode is on at a time.
enum class ViewMode { None, Pan, Zoom, ZoomWindow };

enum class GestureStep : unsigned {
    ToMouseTool = 1u << 0, // no view gesture: the model mouse tool takes the event
    QuickRedraw = 1u << 1, // elements and axes only, while a drag goes on
    Redraw = 1u << 2,      // the full drawing
    ShowRubber = 1u << 3,  // the rubber rectangle, at rubberRectangle()
    HideRubber = 1u << 4,
    ZoomMenu = 1u << 5,         // the zoom pop-up menu at the pointer
    GripPointer = 1u << 6,      // the pan hand grips the drawing
    ModePointer = 1u << 7,      // the pointer (and the buttons) of the current mode
    HideHoverMarkers = 1u << 8, // the mouse tool's node and element markers
};
Q_DECLARE_FLAGS(GestureSteps, GestureStep)
Q_DECLARE_OPERATORS_FOR_FLAGS(GestureSteps)

class ViewGestures {
public:
    ViewMode mode() const { return m_mode; }
    // Switches to `mode`; a rubber rectangle of an unfinished zoom window
    // goes. Switching a mode on hides the hover markers.
    GestureSteps setMode(ViewMode mode);
    // A mode's button pressed: on, or off when it is on already.
    GestureSteps toggle(ViewMode mode) { return setMode(m_mode == mode ? ViewMode::None : mode); }

    GestureSteps press(ViewTransform &view, Qt::MouseButton button, double x, double y);
    GestureSteps move(ViewTransform &view, double x, double y);
    GestureSteps release(ViewTransform &view, Qt::MouseButton button, double x, double y);

    // The left button went down on the drawing area and is not yet released.
    bool buttonHeld() const { return m_buttonHeld; }
    // The zoom window dragged so far, in cm, corners ordered.
    QRectF rubberRectangle() const { return m_rubber; }

private:
    ViewMode m_mode = ViewMode::None;
    bool m_buttonHeld = false;
    DragState m_drag;
    QRectF m_rubber;
};
