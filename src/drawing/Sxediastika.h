#pragma once
// Drawing of the model on the drawing area.
#include "drawing/DrawingContext.h"

class Canvas;

// What a redraw may need beyond the drawing area: the colour bar's own
// surface (without one the colour diagram draws no bar), and the fraction of
// the deformation that a frame of the animation shows (0: undeformed).
struct RedrawExtras {
    Canvas *colourLegend = nullptr;
    double animationPhase = 0.0;
};

// Renews the whole picture for the current drawing mode.
void RedrawDrawingArea(const DrawingContext &dc, Canvas &canvas, const RedrawExtras &extras = {});

// The layers of the model drawing, also used by the result views.
void DrawGrid(const DrawingContext &dc, Canvas &canvas);
void DrawAxes(const DrawingContext &dc, Canvas &canvas);
void DrawElements(const DrawingContext &dc, Canvas &canvas);
void DrawElement(const DrawingContext &dc, Canvas &canvas, int element, double colour,
                 int lineWidth);
void DrawNodalLoads(const DrawingContext &dc, Canvas &canvas);
void DrawNodes(const DrawingContext &dc, Canvas &canvas);
void DrawNode(const DrawingContext &dc, Canvas &canvas, int node);

// The light picture shown while a pan or zoom drag is in progress: the axes
// symbol and every element as a plain line.
void QuickRedraw(const DrawingContext &dc, Canvas &canvas);
