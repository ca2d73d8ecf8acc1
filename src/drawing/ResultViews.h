#pragma once
// The result views on the drawing area: the axial force [N] diagram, the
// colour diagram (compression / tension) with its colour bar, the deformed
// model and the frames of the deformation animation. They draw the results
// as they stand: a model that was never analysed, or whose analysis failed,
// shows zeros.
#include "drawing/DrawingContext.h"

#include <cstdint>

class Canvas;

// Drawing mode 1: grid, axes, a band along every element whose width is the
// element's value of the chosen quantity, the elements over the bands and
// the text legend.
void DrawForceDiagram(const DrawingContext &dc, Canvas &canvas);
// The text legend in the top-left corner: the quantity's title and its
// largest and smallest values.
void DrawDiagramLegend(const DrawingContext &dc, Canvas &canvas);

// The element layer of drawing mode 3: each element in a colour between the
// unloaded colour and the tension or compression colour, then the text
// legend. `legend`, when given, is the colour bar's own surface and is drawn
// first.
void DrawColourDiagram(const DrawingContext &dc, Canvas &canvas, Canvas *legend);
// The colour bar, 1 unit wide and 5.10 high: tension at the top, unloaded at
// 2.55, compression at the bottom, with ticks at the largest value, zero and
// the smallest value.
void DrawColourLegend(const DrawingContext &dc, Canvas &legend);

// Drawing mode 2: the undeformed model with its labels, the elements at
// their deformed positions and the legend "D" with the largest displacements.
void DrawDeformedModel(const DrawingContext &dc, Canvas &canvas);
// One frame of the deformation animation at the fraction phi (0 undeformed,
// 1 fully deformed): each element undeformed, then at phi; nothing else.
void drawAnimationFrame(const DrawingContext &dc, Canvas &canvas, double phi);

// A colour part way between two: each of red, green and blue is
// from + amount * (to - from) / range, rounded to the nearest integer (halves
// to even). Only the colour bytes of a system colour take part.
std::uint32_t colourBetween(std::uint32_t from, std::uint32_t to, double amount, double range);
