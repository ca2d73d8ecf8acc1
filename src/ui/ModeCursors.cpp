#include "ui/ModeCursors.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <cmath>

namespace {

constexpr int kCursorSize = 32; // logical pixels

// Renders a cursor picture from its SVG at 32 x 32 logical pixels, made of
// as many device pixels as the ratio asks; the hot spot is given in the
// logical 32 x 32 grid.
QCursor svgCursor(const QString &resource, int hotX, int hotY, Qt::CursorShape fallback,
                  qreal ratio)
{
    QSvgRenderer renderer(resource);
    if (!renderer.isValid())
        return QCursor(fallback);
    if (!(ratio >= 1.0) || !std::isfinite(ratio))
        ratio = 1.0;
    const int side = qCeil(kCursorSize * ratio);
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    return QCursor(pixmap, hotX, hotY);
}

} // namespace

namespace ModeCursors {

QCursor pan() { return QCursor(Qt::OpenHandCursor); }

QCursor zoom(qreal pixelRatio)
{
    // The hot spot is the centre of the lens.
    return svgCursor(QStringLiteral(":/icons/cursor_zoom.svg"), 12, 12, Qt::SizeVerCursor,
                     pixelRatio);
}

QCursor zoomWindow(qreal pixelRatio)
{
    // A cross-hair with a small window beside it; the hot spot is the cross.
    return svgCursor(QStringLiteral(":/icons/cursor_zoom_window.svg"), 10, 10, Qt::CrossCursor,
                     pixelRatio);
}

} // namespace ModeCursors
