#include "drawing/gui/MouseOverlayPainter.h"

#include "drawing/gui/RectUnion.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPalette>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kElementMarkerWidth = 3; // pixels
constexpr int kLineSlack = 3;          // pixels around a line for antialiasing
constexpr double kFar = 1 << 24;       // pixels, far beyond any screen

// The whole pixels `r` touches, `margin` more on every side. A side far
// beyond any screen is held where the widths and the margin still fit an
// int, so that an element running far off the area keeps its pixels on it;
// a side that is not a number gives none.
QRect pixelBounds(const QRectF &r, int margin)
{
    const double left = r.left(), top = r.top(), right = r.right(), bottom = r.bottom();
    if (!(left <= right && top <= bottom))
        return {};
    // Rounded down and up by hand: within the held range this is exact, and
    // it spares two calls per side on every move.
    const auto down = [](double v) {
        v = std::clamp(v, -kFar, kFar);
        const int i = static_cast<int>(v);
        return i > v ? i - 1 : i;
    };
    const auto up = [](double v) {
        v = std::clamp(v, -kFar, kFar);
        const int i = static_cast<int>(v);
        return i < v ? i + 1 : i;
    };
    return QRect(QPoint(down(left) - margin, down(top) - margin),
                 QPoint(up(right) + margin - 1, up(bottom) + margin - 1));
}

QRectF markerRect(const MouseOverlay &o, double k)
{
    const double side = nodeMarkerSize(o.nodeMarkerShape) * k;
    return QRectF(o.nodeMarkerX * k - side / 2, o.nodeMarkerY * k - side / 2, side, side);
}

QRect markerBounds(const MouseOverlay &o, double k)
{
    if (!o.nodeMarkerShown)
        return {};
    return pixelBounds(markerRect(o, k), kLineSlack);
}

QRect lineBounds(const OverlayLine &line, double k, int width)
{
    if (!line.shown)
        return {};
    const QRectF r =
        QRectF(QPointF(line.x1 * k, line.y1 * k), QPointF(line.x2 * k, line.y2 * k)).normalized();
    return pixelBounds(r, width + kLineSlack);
}

QStringList labelLines(const QString &text)
{
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

MouseOverlayPainter::MouseOverlayPainter(const QFont &font, const QColor &background,
                                         bool keepImages)
    : m_font(font), m_metrics(font), m_background(background),
      m_ink(background.lightness() > 128 ? Qt::black : Qt::white),
      m_highlight(background.lightness() > 128 ? QColor(255, 128, 0) : QColor(255, 200, 0)),
      m_keepImages(keepImages), m_nodeMarkerImages(m_ink)
{
    // Tool-tip colours: readable over any picture.
    const QPalette palette;
    m_labelText = palette.color(QPalette::ToolTipText);
    m_labelBase = palette.color(QPalette::ToolTipBase);
}

QSizeF MouseOverlayPainter::labelSize(const QString &text) const
{
    const auto kept = m_labelSizes.constFind(text);
    if (kept != m_labelSizes.constEnd())
        return *kept;
    const QFontMetricsF &fm = m_metrics;
    double width = 0;
    const QStringList lines = labelLines(text);
    for (const QString &line : lines)
        width = std::fmax(width, fm.horizontalAdvance(line));
    const double height = fm.lineSpacing() * std::max<qsizetype>(lines.size(), 1) + 2;
    // The coordinates label has a new text at nearly every move of a drag.
    if (m_labelSizes.size() > 256)
        m_labelSizes.clear();
    return m_labelSizes.insert(text, QSizeF(width, height)).value();
}

QRectF MouseOverlayPainter::labelRect(const OverlayLabel &label, double k) const
{
    const QSizeF size = labelSize(label.text);
    return QRectF(label.left * k, label.top * k, size.width() + label.padding * k, size.height());
}

QRect MouseOverlayPainter::labelBounds(const OverlayLabel &label, double k) const
{
    if (!label.shown)
        return {};
    return pixelBounds(labelRect(label, k), 1);
}

QRegion MouseOverlayPainter::region(const MouseOverlay &o, double k) const
{
    return change(MouseOverlay{}, o, k);
}

QRegion MouseOverlayPainter::change(const MouseOverlay &a, const MouseOverlay &b, double k) const
{
    // Only the items that changed are measured: a move mostly moves the node
    // marker alone.
    QRect rects[12];
    int count = 0;
    const auto add = [&](const QRect &before, const QRect &after) {
        rects[count++] = before;
        rects[count++] = after;
    };
    if (a.nodeMarkerShown != b.nodeMarkerShown || a.nodeMarkerShape != b.nodeMarkerShape
        || a.nodeMarkerX != b.nodeMarkerX || a.nodeMarkerY != b.nodeMarkerY)
        add(markerBounds(a, k), markerBounds(b, k));
    if (a.elementMarker != b.elementMarker)
        add(lineBounds(a.elementMarker, k, kElementMarkerWidth),
            lineBounds(b.elementMarker, k, kElementMarkerWidth));
    if (a.rubberLine != b.rubberLine)
        add(lineBounds(a.rubberLine, k, 1), lineBounds(b.rubberLine, k, 1));
    if (a.nodeLabel != b.nodeLabel)
        add(labelBounds(a.nodeLabel, k), labelBounds(b.nodeLabel, k));
    if (a.elementLabel != b.elementLabel)
        add(labelBounds(a.elementLabel, k), labelBounds(b.elementLabel, k));
    if (a.coordinatesLabel != b.coordinatesLabel)
        add(labelBounds(a.coordinatesLabel, k), labelBounds(b.coordinatesLabel, k));
    return unionOfRects(std::span<const QRect>(rects, count));
}

MouseOverlayPainter::DirectPainting::~DirectPainting()
{
    if (m_saved)
        m_p.restore();
}

QPainter &MouseOverlayPainter::DirectPainting::operator*()
{
    if (!m_saved) {
        m_p.save();
        m_p.setRenderHint(QPainter::Antialiasing);
        m_p.setBrush(Qt::NoBrush);
        m_saved = true;
    }
    return m_p;
}

// Painted into an image at the item's own place, so that the image's pixels
// are those a direct paint gives, and copied from there while the item stays
// as it is: a move over an element repaints pieces of its marker and labels
// again and again without drawing them again.
template <typename Draw>
void MouseOverlayPainter::paintKept(DirectPainting &direct, KeptImages &kept, KeptImage wanted,
                                    const QRect &bounds, const Draw &draw) const
{
    QPainter &p = direct.painter();
    const QPaintDevice *device = p.device();
    wanted.ratio = device ? device->devicePixelRatio() : 1.0;
    // An element running far off the area would want an image far larger
    // than the area: it is drawn as it is instead.
    const double bytes = 4.0 * bounds.width() * bounds.height() * wanted.ratio * wanted.ratio;
    if (!m_keepImages || bytes > KeptImages::kMaxBytes) {
        draw(*direct);
        return;
    }
    const KeptImage *found = kept.find(wanted);
    if (!found)
        found = &kept.add(paintAnew(p, std::move(wanted), bounds, draw));
    p.drawImage(bounds.topLeft(), found->image);
}

MouseOverlayPainter::KeptImage
MouseOverlayPainter::paintAnew(const QPainter &p, KeptImage wanted, const QRect &bounds,
                               const std::function<void(QPainter &)> &draw) const
{
    wanted.image = QImage(bounds.size() * wanted.ratio, QImage::Format_ARGB32_Premultiplied);
    wanted.image.setDevicePixelRatio(wanted.ratio);
    if (const QPaintDevice *device = p.device()) {
        // The labels' text takes its size in pixels from the device's
        // resolution.
        wanted.image.setDotsPerMeterX(qRound(device->logicalDpiX() / 0.0254));
        wanted.image.setDotsPerMeterY(qRound(device->logicalDpiY() / 0.0254));
    }
    wanted.image.fill(Qt::transparent);
    QPainter q(&wanted.image);
    q.setRenderHints(p.renderHints());
    q.setRenderHint(QPainter::Antialiasing);
    q.setBrush(Qt::NoBrush);
    q.translate(-bounds.topLeft());
    draw(q);
    q.end();
    return wanted;
}

const MouseOverlayPainter::KeptImage *MouseOverlayPainter::KeptImages::find(const KeptImage &wanted)
{
    const auto found = std::find_if(m_images.begin(), m_images.end(),
                                    [&](const KeptImage &k) { return k.paintedFrom(wanted); });
    if (found == m_images.end())
        return nullptr;
    std::rotate(m_images.begin(), found, found + 1);
    return &m_images.front();
}

const MouseOverlayPainter::KeptImage &MouseOverlayPainter::KeptImages::add(KeptImage painted)
{
    m_bytes += painted.image.sizeInBytes();
    m_images.insert(m_images.begin(), std::move(painted));
    while (m_images.size() > 1 && (int(m_images.size()) > m_most || m_bytes > kMaxBytes)) {
        m_bytes -= m_images.back().image.sizeInBytes();
        m_images.pop_back();
    }
    return m_images.front();
}

void MouseOverlayPainter::paint(QPainter &p, const MouseOverlay &o, double k,
                                const QRegion &exposed) const
{
    DirectPainting direct(p);
    // Most items are hidden or far from the few pixels a move repaints: they
    // are passed over by the bounds of those pixels alone.
    const QRect reach = exposed.boundingRect();
    const bool oneRect = exposed.rectCount() == 1;
    const auto reaches = [&](const QRect &r) {
        return reach.intersects(r) && (oneRect || exposed.intersects(r));
    };
    const QRect elementBounds = lineBounds(o.elementMarker, k, kElementMarkerWidth);
    if (reaches(elementBounds))
        paintKept(direct, m_elementMarkerImages, KeptImage{o.elementMarker, {}, k, 0, {}},
                  elementBounds, [&](QPainter &q) { paintElementMarker(q, o.elementMarker, k); });
    if (reaches(lineBounds(o.rubberLine, k, 1))) {
        (*direct).setPen(QPen(m_ink, 1));
        (*direct).drawLine(QPointF(o.rubberLine.x1 * k, o.rubberLine.y1 * k),
                           QPointF(o.rubberLine.x2 * k, o.rubberLine.y2 * k));
    }
    const QRect nodeBounds = markerBounds(o, k);
    if (reaches(nodeBounds)) {
        const QRectF box = markerRect(o, k);
        if (!m_keepImages || !m_nodeMarkerImages.paint(p, o.nodeMarkerShape, box, nodeBounds))
            m_nodeMarkerImages.draw(*direct, o.nodeMarkerShape, box);
    }
    const OverlayLabel *labels[] = {&o.nodeLabel, &o.elementLabel, &o.coordinatesLabel};
    for (int i = 0; i < 3; ++i) {
        const OverlayLabel &label = *labels[i];
        const QRect bounds = labelBounds(label, k);
        if (reaches(bounds))
            paintKept(direct, m_labelImages[i], KeptImage{{}, label, k, 0, {}}, bounds,
                      [&](QPainter &q) { paintLabel(q, label, k); });
    }
}

void MouseOverlayPainter::paintElementMarker(QPainter &p, const OverlayLine &line, double k) const
{
    QPen pen(m_highlight, kElementMarkerWidth);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.drawLine(QPointF(line.x1 * k, line.y1 * k), QPointF(line.x2 * k, line.y2 * k));
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
