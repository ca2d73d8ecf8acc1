#pragma once
// The view commands' computations: fits, the zoom history and the drag
// gestures. None redraws; the main window redraws after them.
struct Model;
struct ViewTransform;

double SnapToGrid(double value, float gridStep);

// Fit every node into the drawing area with a 1.8 cm margin. A fit that
// would need a scale below 1 leaves the view unchanged.
void FitViewToModel(ViewTransform &view, const Model &model);
// Fit the rectangle dragged between two screen points (cm) to the area.
void FitViewToRectangle(ViewTransform &view, double endX, double endY, double startX,
                        double startY);
// Records the current view unless it equals the current history entry.
void PushView(ViewTransform &view);
// Steps back one entry; false (and no change) at the oldest entry.
bool zoomPrevious(ViewTransform &view);

// Drag state of a pan / zoom / zoom-window gesture.
struct DragState {
    float downX = 0, downY = 0;
    float anchorX = 0, anchorY = 0;
    float lastY = 0;
};
DragState beginDrag(const ViewTransform &view, double x, double y);
void panDrag(ViewTransform &view, const DragState &drag, double x, double y);
void zoomDrag(ViewTransform &view, DragState &drag, double x, double y);
