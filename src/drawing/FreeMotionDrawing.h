#pragma once
// A free motion of a mechanism drawn over the model: where the structure
// goes when it moves, so that the user sees what holds it too little.
#include "drawing/DrawingContext.h"

class Canvas;
struct FreeMotion;

// The model as the model mode draws it, then the elements at their moved
// places in the deformation colour, line width 2, a solid circle on every
// moving node, and "Free motion N" at the top left. The motion's largest
// component is drawn as a tenth of the drawing area's smaller side, however
// large the model is drawn. The picture stays until the next redraw.
void drawFreeMotion(const DrawingContext &dc, Canvas &canvas, const FreeMotion &motion, int number);
