#pragma once
// The drawing area's pointers for the pan, zoom and zoom-window modes.
#include <QCursor>

namespace ModeCursors {
QCursor pan();
QCursor zoom();
QCursor zoomWindow();
} // namespace ModeCursors
