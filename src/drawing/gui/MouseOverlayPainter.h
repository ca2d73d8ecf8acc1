#pragma once
// Paints the mouse's markers, labels and rubber line over the drawing area's
// picture, and tells which pixels they cover, so that a pointer move repaints
// only what the overlay left and what it now covers.
#include "drawing/ModelMouse.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QRegion>

class QPainter;

class MouseOverlayPainter {
public:
    // `font`: the labels' font; `background`: the picture's background, which
    // the markers and the rubber line stand out from.
    MouseOverlayPainter(const QFont &font, const QColor &background);

    const QFont &font() const { return m_font; }
    const QColor &background() const { return m_background; }

    // Everything the overlay paints at `pixelsPerCm`, in widget pixels.
    QRegion region(const MouseOverlay &overlay, double pixelsPerCm) const;
    // The pixels to repaint when `before` gives way to `after`: those of
    // the items that changed, where they were and where they are.
    QRegion change(const MouseOverlay &before, const MouseOverlay &after, double pixelsPerCm) const;
    // Paints the items that reach into `exposed`.
    void paint(QPainter &p, const MouseOverlay &overlay, double pixelsPerCm,
               const QRegion &exposed) const;

private:
    QRectF labelRect(const OverlayLabel &label, double k) const;
    QRect labelBounds(const OverlayLabel &label, double k) const;
    void paintLabel(QPainter &p, const OverlayLabel &label, double k) const;

    QFont m_font;
    QFontMetricsF m_metrics;
    QColor m_background;
    QColor m_ink;       // markers and rubber line
    QColor m_highlight; // the element marker
    QColor m_labelText, m_labelBase;
};
