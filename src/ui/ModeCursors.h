#pragma once
// The drawing area's pointers for the pan, zoom and zoom-window modes. The
// pictures are rendered at the screen's pixel ratio (pass the widget's
// devicePixelRatioF()), so they stay sharp on a high-density screen.
#include <QCursor>

namespace ModeCursors {
QCursor pan();
QCursor zoom(qreal pixelRatio);
QCursor zoomWindow(qreal pixelRatio);
} // namespace ModeCursors
