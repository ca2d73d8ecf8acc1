#include "ui/ModeCursors.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace {

// Renders a cursor picture from its SVG at 32 x 32 logical pixels; the hot
// spot is given in the same 32 x 32 grid.
QCursor svgCursor(const QString &resource, int hotX, int hotY, Qt::CursorShape fallback)
{
    QSvgRenderer renderer(resource);
    if (!renderer.isValid())
        return QCursor(fallback);
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    return QCursor(pixmap, hotX, hotY);
}

} // namespace

namespace ModeCursors {

QCursor pan()
{
    return QCursor(Qt::OpenHandCursor);
}

QCursor zoom()
{
    // The hot spot is the centre of the lens.
    return svgCursor(QStringLiteral(":/icons/cursor_zoom.svg"), 12, 12, Qt::SizeVerCursor);
}

QCursor zoomWindow()
{
    // A cross-hair with a small window beside it; the hot spot is the cross.
    return svgCursor(QStringLiteral(":/icons/cursor_zoom_window.svg"), 10, 10, Qt::CrossCursor);
}

} // namespace ModeCursors
