#include "drawing/gui/NodeMarkerImages.h"

#include <QPainter>

#include <bit>
#include <cmath>

namespace {

// The smallest rectangle of whole pixels (the painter's, not the device's)
// that holds every pixel of `image` that is not transparent; empty if none.
QRect paintedPart(const QImage &image, int ratio)
{
    const int width = image.width(), height = image.height();
    int left = width, right = -1, top = height, bottom = -1;
    for (int y = 0; y < height; ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            if (row[x] == 0)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0)
        return {};
    return QRect(QPoint(left / ratio, top / ratio), QPoint(right / ratio, bottom / ratio));
}

} // namespace

void NodeMarkerImages::draw(QPainter &p, NodeMarkerShape shape, const QRectF &box) const
{
    p.setPen(QPen(m_ink, nodeMarkerBorder(shape)));
    if (shape == NodeMarkerShape::Circle)
        p.drawEllipse(box);
    else
        p.drawRoundedRect(box, box.width() / 4, box.height() / 4);
}

bool NodeMarkerImages::paint(QPainter &p, NodeMarkerShape shape, const QRectF &box,
                             const QRect &bounds)
{
    const QPaintDevice *device = p.device();
    const qreal ratio = device ? device->devicePixelRatio() : 1.0;
    // Kept images stand for the marker only where they land on whole device
    // pixels unscaled.
    if (ratio != std::floor(ratio) || ratio < 1 || p.worldTransform().type() != QTransform::TxNone
        || bounds.isEmpty())
        return false;
    if (ratio != m_ratio || m_bytes > kMaxBytes) {
        m_images.clear();
        m_metOnce.clear();
        m_bytes = 0;
        m_ratio = ratio;
    }
    // A pen no wider than a device pixel goes through Qt's thin-line path,
    // which blends a few pixels of the outline twice where its pieces meet:
    // over the picture that rounds a level of 255 otherwise than over a clear
    // image. Nobody sees that on a mark that follows the pointer and never
    // goes into the picture or an export, and drawing it afresh would cost
    // more than the rest of the move, so it is copied like any other.
    const Key key{std::bit_cast<quint64>(box.left()), std::bit_cast<quint64>(box.top()),
                  std::bit_cast<quint64>(box.width()), shape};
    auto kept = m_images.constFind(key);
    if (kept == m_images.constEnd()) {
        if (m_metOnce.size() >= kMaxPlacesMetOnce)
            m_metOnce.clear();
        if (!m_metOnce.remove(key)) {
            m_metOnce.insert(key);
            return false;
        }
        Placed placed = paintImage(shape, box, bounds, ratio);
        m_bytes += placed.image.sizeInBytes();
        kept = m_images.insert(key, std::move(placed));
    }
    if (!kept->image.isNull())
        p.drawImage(bounds.topLeft() + kept->offset, kept->image);
    return true;
}

// Painted at the marker's own place, shifted by whole pixels only, so that
// the outline falls on the image's pixels as it would on the screen's.
NodeMarkerImages::Placed NodeMarkerImages::paintImage(NodeMarkerShape shape, const QRectF &box,
                                                      const QRect &bounds, qreal ratio) const
{
    QImage image(bounds.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter q(&image);
    q.setRenderHint(QPainter::Antialiasing);
    q.setBrush(Qt::NoBrush);
    q.translate(-bounds.topLeft());
    draw(q, shape, box);
    q.end();
    const QRect part = paintedPart(image, int(ratio));
    if (part.isEmpty())
        return {};
    return Placed{part.topLeft(), image.copy(QRect(part.topLeft() * ratio, part.size() * ratio))};
}
