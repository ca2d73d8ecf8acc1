#pragma once
// The drawing as a vector picture: the drawing routines' lines, circles and
// texts go through the same canvas as the screen's onto an SVG generator or a
// PDF writer, so lines stay lines and texts stay texts at any magnification.
#include "drawing/PictureExport.h"

#include <QByteArray>
#include <QPalette>
#include <QSize>
#include <functional>

class Canvas;

// The picture's size in logical pixels and the resolution they stand for
// (the screen's logical DPI), so that a centimetre, a 1-pixel line and a
// 7-point text come out as large as on the screen; the palette resolves the
// system colours.
struct PictureFrame {
    QSize logicalSize;
    int dpi = 96;
    QPalette palette;
};

// Runs `draw` on a canvas of the frame's size and returns the SVG document
// or the PDF file (one page the size of the picture, no margins) it makes.
// The bitmap format is no vector format: nothing is drawn, the result is
// empty.
QByteArray vectorPicture(PictureFormat format, const PictureFrame &frame,
                         const std::function<void(Canvas &)> &draw);
