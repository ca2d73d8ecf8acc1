#pragma once
// Defining the truss with the mouse in the model drawing: a press places a
// node or picks one, a drag to another point joins the two with an element,
// a double-click steps a node's supports. The main window feeds it the
// drawing area's events in centimetres; it decides what they do to the model
// (with the same log lines, changed flag and edit steps as the editing
// dialogs) and answers with the markers and labels to show over the picture
// and the steps the window carries out. It draws nothing itself.
#include "drawing/HoverIndex.h"

#include <QString>
#include <Qt>

class Interaction;
struct Model;
struct Settings;
struct ViewTransform;

// The hover markers and drag feedback, in drawing-area centimetres. They lie
// over the picture and are never part of it.
enum class NodeMarkerShape { Square, Circle };

struct OverlayLine {
    bool shown = false;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool operator==(const OverlayLine &) const = default;
};

// A label as wide as its text plus `padding`; the text may hold line breaks.
struct OverlayLabel {
    bool shown = false;
    QString text;
    double left = 0, top = 0;
    double padding = 0;
    bool operator==(const OverlayLabel &) const = default;
};

struct MouseOverlay {
    bool nodeMarkerShown = false;
    NodeMarkerShape nodeMarkerShape = NodeMarkerShape::Square;
    double nodeMarkerX = 0, nodeMarkerY = 0; // its centre
    OverlayLabel nodeLabel;
    OverlayLine elementMarker;
    OverlayLabel elementLabel;
    OverlayLine rubberLine;
    OverlayLabel coordinatesLabel;
    bool operator==(const MouseOverlay &) const = default;
};

// The node marker's size across (cm) and border (pixels) in each shape.
double nodeMarkerSize(NodeMarkerShape shape);
int nodeMarkerBorder(NodeMarkerShape shape);

// What the window does after an event, besides showing the overlay.
struct MouseSteps {
    int drawNode = 0;        // a node was placed: draw it now
    bool redraw = false;     // the whole drawing
    bool openGroups = false; // open the E,A groups dialog, then call groupsDialogClosed()
    int menuNode = 0;        // the item pop-up menu: its node items for this node
    int menuElement = 0;     // and its element item for this element
    bool operator==(const MouseSteps &) const = default;
};

class ModelMouse {
public:
    ModelMouse(Model &model, const Settings &settings, const ViewTransform &view,
               Interaction &user);

    // Positions are drawing-area centimetres. `viewMode`: a pan or zoom mode
    // is on; the pointer is then followed without picking anything.
    MouseSteps press(Qt::MouseButton button, double x, double y);
    void move(double x, double y, bool viewMode);
    MouseSteps release(Qt::MouseButton button, double x, double y);
    MouseSteps doubleClick();
    // After the E,A groups dialog that release() asked for has closed: the
    // element is made if a group exists now.
    MouseSteps groupsDialogClosed();
    // The four hover markers go (a view mode or a command started).
    void hideHoverMarkers();

    const MouseOverlay &overlay() const { return m_overlay; }
    int hoveredNode() const { return m_hoveredNode; }
    int hoveredElement() const { return m_hoveredElement; }

    // The model point a pointer position picks: snapped to the grid when it
    // is on, otherwise rounded to 4 decimals.
    double pickedX(double x) const;
    double pickedY(double y) const;
    // The node under the pointer (0: none): with the grid on the node at the
    // snapped point, otherwise the first within 0.15 cm in x and in y.
    int nodeAt(double x, double y) const;
    // The element nearest the pointer within 0.2 cm, among those whose
    // nodes' box, enlarged by 0.15 cm, holds the pointer (0: none).
    int elementAt(double x, double y) const;

private:
    // nodeAt() and elementAt() on the kept places as they are.
    int nodeNear(double x, double y) const;
    int elementNear(double x, double y) const;
    void followNode(double x, double y, bool viewMode);
    void followElement(double x, double y);
    void showRubber(double x, double y);
    QString coordinatesText(double x, double y) const;
    int placeNode(double x, double y);
    MouseSteps joinNodes();
    void stepSupports(int node);

    Model &m_model;
    const Settings &m_settings;
    const ViewTransform &m_view;
    Interaction &m_user;
    MouseOverlay m_overlay;
    mutable HoverIndex m_index; // the places the searches under the pointer use

    bool m_buttonHeld = false;
    bool m_nodeJustPlaced = false;
    bool m_rubberReady = false;
    int m_startNode = 0;
    int m_endNode = 0; // of the element waiting for the groups dialog
    int m_hoveredNode = 0;
    int m_hoveredElement = 0;
    double m_downX = 0, m_downY = 0;
    double m_lastX = 0, m_lastY = 0;
};
