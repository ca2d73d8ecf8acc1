#pragma once
// Drawing of the model on the drawing area.
class Canvas;
class Workspace;

// Renews the whole picture for the current drawing mode.
void RedrawDrawingArea(Workspace &ws, Canvas &canvas);

// The layers of the model drawing, also used by the result views.
void DrawGrid(Workspace &ws, Canvas &canvas);
void DrawAxes(Workspace &ws, Canvas &canvas);
void DrawElements(Workspace &ws, Canvas &canvas);
void DrawElement(Workspace &ws, Canvas &canvas, int element, double colour, int lineWidth);
void DrawNodalLoads(Workspace &ws, Canvas &canvas);
void DrawNodes(Workspace &ws, Canvas &canvas);
void DrawNode(Workspace &ws, Canvas &canvas, int node);

// The light picture shown while a pan or zoom drag is in progress: the axes
// symbol and every element as a plain line.
void QuickRedraw(Workspace &ws, Canvas &canvas);
