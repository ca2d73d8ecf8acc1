#include "drawing/gui/MouseOverlayPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPalette>
#include <QStringList>

#include <cmath>

namespace {

constexpr int kElementMarkerWidth = 3; // pixels
constexpr int kLineSlack = 3;          // pixels around a line for antialiasing

QRectF markerRect(const MouseOverlay &o, double k)
{
    const double side = nodeMarkerSize(o.nodeMarkerShape) * k;
    return QRectF(o.nodeMarkerX * k - side / 2, o.nodeMarkerY * k - side / 2, side, side);
}

QRect markerBounds(const MouseOverlay &o, double k)
{
    if (!o.nodeMarkerShown)
        return {};
    return markerRect(o, k).toAlignedRect().adjusted(-kLineSlack, -kLineSlack, kLineSlack,
                                                     kLineSlack);
}

QRect lineBounds(const OverlayLine &line, double k, int width)
{
    if (!line.shown)
        return {};
    const QRectF r =
        QRectF(QPointF(line.x1 * k, line.y1 * k), QPointF(line.x2 * k, line.y2 * k)).normalized();
    const int m = width + kLineSlack;
    return r.toAlignedRect().adjusted(-m, -m, m, m);
}

QStringList labelLines(const QString &text)
{
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

MouseOverlayPainter::MouseOverlayPainter(const QFont &font, const QColor &background)
    : m_font(font), m_metrics(font), m_background(background),
      m_ink(background.lightness() > 128 ? Qt::black : Qt::white),
      m_highlight(background.lightness() > 128 ? QColor(255, 128, 0) : QColor(255, 200, 0))
{
    // Tool-tip colours: readable over any picture.
    const QPalette palette;
    m_labelText = palette.color(QPalette::ToolTipText);
    m_labelBase = palette.color(QPalette::ToolTipBase);
}

QRectF MouseOverlayPainter::labelRect(const OverlayLabel &label, double k) const
{
    const QFontMetricsF &fm = m_metrics;
    double width = 0;
    const QStringList lines = labelLines(label.text);
    for (const QString &line : lines)
        width = std::fmax(width, fm.horizontalAdvance(line));
    const double height = fm.lineSpacing() * std::max<qsizetype>(lines.size(), 1) + 2;
    return QRectF(label.left * k, label.top * k, width + label.padding * k, height);
}

QRect MouseOverlayPainter::labelBounds(const OverlayLabel &label, double k) const
{
    if (!label.shown)
        return {};
    return labelRect(label, k).toAlignedRect().adjusted(-1, -1, 1, 1);
}

QRegion MouseOverlayPainter::region(const MouseOverlay &o, double k) const
{
    return change(MouseOverlay{}, o, k);
}

QRegion MouseOverlayPainter::change(const MouseOverlay &a, const MouseOverlay &b, double k) const
{
    QRegion r;
    const auto add = [&r](bool changed, const QRect &before, const QRect &after) {
        if (changed) {
            r += before;
            r += after;
        }
    };
    const bool markerChanged = a.nodeMarkerShown != b.nodeMarkerShown
        || a.nodeMarkerShape != b.nodeMarkerShape || a.nodeMarkerX != b.nodeMarkerX
        || a.nodeMarkerY != b.nodeMarkerY;
    add(markerChanged, markerBounds(a, k), markerBounds(b, k));
    add(a.elementMarker != b.elementMarker, lineBounds(a.elementMarker, k, kElementMarkerWidth),
        lineBounds(b.elementMarker, k, kElementMarkerWidth));
    add(a.rubberLine != b.rubberLine, lineBounds(a.rubberLine, k, 1),
        lineBounds(b.rubberLine, k, 1));
    add(a.nodeLabel != b.nodeLabel, labelBounds(a.nodeLabel, k), labelBounds(b.nodeLabel, k));
    add(a.elementLabel != b.elementLabel, labelBounds(a.elementLabel, k),
        labelBounds(b.elementLabel, k));
    add(a.coordinatesLabel != b.coordinatesLabel, labelBounds(a.coordinatesLabel, k),
        labelBounds(b.coordinatesLabel, k));
    return r;
}

void MouseOverlayPainter::paint(QPainter &p, const MouseOverlay &o, double k,
                                const QRegion &exposed) const
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    if (exposed.intersects(lineBounds(o.elementMarker, k, kElementMarkerWidth))) {
        QPen pen(m_highlight, kElementMarkerWidth);
        pen.setCapStyle(Qt::RoundCap);
        p.setPen(pen);
        p.drawLine(QPointF(o.elementMarker.x1 * k, o.elementMarker.y1 * k),
                   QPointF(o.elementMarker.x2 * k, o.elementMarker.y2 * k));
    }
    if (exposed.intersects(lineBounds(o.rubberLine, k, 1))) {
        p.setPen(QPen(m_ink, 1));
        p.drawLine(QPointF(o.rubberLine.x1 * k, o.rubberLine.y1 * k),
                   QPointF(o.rubberLine.x2 * k, o.rubberLine.y2 * k));
    }
    if (exposed.intersects(markerBounds(o, k))) {
        p.setPen(QPen(m_ink, nodeMarkerBorder(o.nodeMarkerShape)));
        const QRectF r = markerRect(o, k);
        if (o.nodeMarkerShape == NodeMarkerShape::Circle)
            p.drawEllipse(r);
        else
            p.drawRoundedRect(r, r.width() / 4, r.height() / 4);
    }
    for (const OverlayLabel *label : {&o.nodeLabel, &o.elementLabel, &o.coordinatesLabel})
        if (exposed.intersects(labelBounds(*label, k)))
            paintLabel(p, *label, k);
    p.restore();
}

void MouseOverlayPainter::paintLabel(QPainter &p, const OverlayLabel &label, double k) const
{
    const QRectF r = labelRect(label, k);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(m_labelText, 1));
    p.setBrush(m_labelBase);
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setFont(m_font);
    const QFontMetricsF &fm = m_metrics;
    double y = r.top() + 1 + fm.ascent();
    for (const QString &line : labelLines(label.text)) {
        p.drawText(QPointF(r.left() + label.padding * k / 2, y), line);
        y += fm.lineSpacing();
    }
    p.setBrush(Qt::NoBrush);
}
