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

QRect lineBounds(const OverlayLine &line, double k, int width)
{
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
    : m_font(font), m_ink(background.lightness() > 128 ? Qt::black : Qt::white),
      m_highlight(background.lightness() > 128 ? QColor(255, 128, 0) : QColor(255, 200, 0))
{
}

QRectF MouseOverlayPainter::labelRect(const OverlayLabel &label, double k) const
{
    const QFontMetricsF fm(m_font);
    double width = 0;
    const QStringList lines = labelLines(label.text);
    for (const QString &line : lines)
        width = std::fmax(width, fm.horizontalAdvance(line));
    const double height = fm.lineSpacing() * std::max<qsizetype>(lines.size(), 1) + 2;
    return QRectF(label.left * k, label.top * k, width + label.padding * k, height);
}

QRegion MouseOverlayPainter::region(const MouseOverlay &o, double k) const
{
    QRegion r;
    if (o.nodeMarkerShown)
        r += markerRect(o, k).toAlignedRect().adjusted(-kLineSlack, -kLineSlack, kLineSlack,
                                                       kLineSlack);
    if (o.elementMarker.shown)
        r += lineBounds(o.elementMarker, k, kElementMarkerWidth);
    if (o.rubberLine.shown)
        r += lineBounds(o.rubberLine, k, 1);
    for (const OverlayLabel *label : {&o.nodeLabel, &o.elementLabel, &o.coordinatesLabel})
        if (label->shown)
            r += labelRect(*label, k).toAlignedRect().adjusted(-1, -1, 1, 1);
    return r;
}

void MouseOverlayPainter::paint(QPainter &p, const MouseOverlay &o, double k) const
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    if (o.elementMarker.shown) {
        QPen pen(m_highlight, kElementMarkerWidth);
        pen.setCapStyle(Qt::RoundCap);
        p.setPen(pen);
        p.drawLine(QPointF(o.elementMarker.x1 * k, o.elementMarker.y1 * k),
                   QPointF(o.elementMarker.x2 * k, o.elementMarker.y2 * k));
    }
    if (o.rubberLine.shown) {
        p.setPen(QPen(m_ink, 1));
        p.drawLine(QPointF(o.rubberLine.x1 * k, o.rubberLine.y1 * k),
                   QPointF(o.rubberLine.x2 * k, o.rubberLine.y2 * k));
    }
    if (o.nodeMarkerShown) {
        p.setPen(QPen(m_ink, nodeMarkerBorder(o.nodeMarkerShape)));
        const QRectF r = markerRect(o, k);
        if (o.nodeMarkerShape == NodeMarkerShape::Circle)
            p.drawEllipse(r);
        else
            p.drawRoundedRect(r, r.width() / 4, r.height() / 4);
    }
    for (const OverlayLabel *label : {&o.nodeLabel, &o.elementLabel, &o.coordinatesLabel})
        if (label->shown)
            paintLabel(p, *label, k);
    p.restore();
}

void MouseOverlayPainter::paintLabel(QPainter &p, const OverlayLabel &label, double k) const
{
    // Tool-tip colours: readable over any picture.
    const QPalette palette;
    const QRectF r = labelRect(label, k);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(palette.color(QPalette::ToolTipText), 1));
    p.setBrush(palette.color(QPalette::ToolTipBase));
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setFont(m_font);
    const QFontMetricsF fm(m_font);
    double y = r.top() + 1 + fm.ascent();
    for (const QString &line : labelLines(label.text)) {
        p.drawText(QPointF(r.left() + label.padding * k / 2, y), line);
        y += fm.lineSpacing();
    }
    p.setBrush(Qt::NoBrush);
}
