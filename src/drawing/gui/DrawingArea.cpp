#include "drawing/gui/DrawingArea.h"

#include "drawing/ViewTransform.h"
#include "drawing/gui/Colours.h"
#include "drawing/gui/MouseOverlayPainter.h"
#include "drawing/gui/PainterCanvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>

#include <cmath>

struct DrawingArea::Private {
    PainterCanvas canvas;
    QRectF rubberCm;
    MouseOverlay overlay;
    std::unique_ptr<MouseOverlayPainter> overlayPainter;
    std::uint32_t background = 0x8000000Eu;
    ViewTransform *view = nullptr;
    bool renewQueued = false;
    qint64 paletteKey = 0;
};

namespace {
qreal screenDpi(const QWidget *w)
{
    const QScreen *s = w->screen();
    const qreal dpi = s ? s->logicalDotsPerInch() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}
} // namespace

DrawingArea::DrawingArea(QWidget *parent) : QWidget(parent), m_d(std::make_unique<Private>())
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_d->canvas.resize(size(), devicePixelRatioF(), screenDpi(this));
    m_d->canvas.setPalette(palette());
    m_d->paletteKey = palette().cacheKey();
    m_d->canvas.clear(m_d->background);
}

DrawingArea::~DrawingArea() = default;

Canvas &DrawingArea::canvas() { return m_d->canvas; }
PainterCanvas &DrawingArea::painterCanvas() { return m_d->canvas; }
double DrawingArea::widthCm() const { return m_d->canvas.widthCm(); }
double DrawingArea::heightCm() const { return m_d->canvas.heightCm(); }

void DrawingArea::setBackgroundColour(std::uint32_t colour)
{
    m_d->background = colour;
    update();
}

void DrawingArea::attachView(ViewTransform *view)
{
    m_d->view = view;
    if (view) {
        view->areaWidth = widthCm();
        view->areaHeight = heightCm();
    }
}

void DrawingArea::setRubberRectangle(const QRectF &cm)
{
    m_d->rubberCm = cm.normalized();
    update();
}

void DrawingArea::setMouseOverlay(const MouseOverlay &overlay)
{
    if (overlay == m_d->overlay)
        return;
    const QRegion changed =
        overlayPainter().change(m_d->overlay, overlay, m_d->canvas.pixelsPerCm());
    m_d->overlay = overlay;
    update(changed);
}

const MouseOverlayPainter &DrawingArea::overlayPainter()
{
    // Made again only when the labels' font or the background changed.
    const QColor background = resolveColour(m_d->background, palette());
    auto &painter = m_d->overlayPainter;
    if (!painter || painter->font() != font() || painter->background() != background)
        painter = std::make_unique<MouseOverlayPainter>(font(), background);
    return *painter;
}

const MouseOverlay &DrawingArea::mouseOverlay() const { return m_d->overlay; }

void DrawingArea::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_d->canvas.resize(size(), devicePixelRatioF(), screenDpi(this));
    m_d->canvas.setPalette(palette());
    m_d->paletteKey = palette().cacheKey();
    m_d->canvas.clear(m_d->background);
    if (m_d->view) {
        m_d->view->areaWidth = widthCm();
        m_d->view->areaHeight = heightCm();
    }
    emit resized();
}

void DrawingArea::paintEvent(QPaintEvent *event)
{
    emit aboutToPaint();
    // Moved to a screen of another pixel ratio or resolution, or the desktop
    // changed its colours (system colours in the picture): renew the picture
    // after this paint, and let the owner redraw it.
    const bool stale = m_d->canvas.devicePixelRatio() != devicePixelRatioF()
        || m_d->canvas.dpi() != screenDpi(this) || m_d->paletteKey != palette().cacheKey();
    if (!m_d->renewQueued && stale) {
        m_d->renewQueued = true;
        QTimer::singleShot(0, this, [this] {
            m_d->renewQueued = false;
            QResizeEvent e(size(), size());
            resizeEvent(&e);
            update();
        });
    }

    QPainter p(this);
    const QImage &picture = m_d->canvas.image();
    // Only the part asked for: a pointer move repaints a few small pieces.
    const QRect exposed = event->rect();
    const qreal ratio = picture.devicePixelRatio();
    p.drawImage(QRectF(exposed), picture,
                QRectF(exposed.x() * ratio, exposed.y() * ratio, exposed.width() * ratio,
                       exposed.height() * ratio));
    const QSizeF shown = QSizeF(picture.size()) / ratio;
    const QColor background = resolveColour(m_d->background, palette());
    if (shown.width() < width())
        p.fillRect(QRectF(shown.width(), 0, width() - shown.width(), height()), background);
    if (shown.height() < height())
        p.fillRect(QRectF(0, shown.height(), width(), height() - shown.height()), background);

    if (!m_d->rubberCm.isNull()) {
        // Dashed outline in the colour that stands out from the background.
        const double k = m_d->canvas.pixelsPerCm();
        const int x0 = int(std::floor(m_d->rubberCm.left() * k)),
                  y0 = int(std::floor(m_d->rubberCm.top() * k));
        const int x1 = int(std::floor(m_d->rubberCm.right() * k)),
                  y1 = int(std::floor(m_d->rubberCm.bottom() * k));
        QPen pen(background.lightness() > 128 ? Qt::black : Qt::white, 1, Qt::DashLine);
        pen.setCosmetic(true);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        // On pixel centres, so the outline is one sharp pixel wide.
        p.drawRect(QRectF(x0 + 0.5, y0 + 0.5, x1 - x0, y1 - y0));
    }
    overlayPainter().paint(p, m_d->overlay, m_d->canvas.pixelsPerCm(), event->region());
}

void DrawingArea::mousePressEvent(QMouseEvent *event)
{
    const double k = m_d->canvas.pixelsPerCm();
    emit mousePressed(event->button(), event->position().x() / k, event->position().y() / k);
}

void DrawingArea::mouseMoveEvent(QMouseEvent *event)
{
    const double k = m_d->canvas.pixelsPerCm();
    emit mouseMoved(event->buttons(), event->position().x() / k, event->position().y() / k);
}

void DrawingArea::mouseReleaseEvent(QMouseEvent *event)
{
    const double k = m_d->canvas.pixelsPerCm();
    emit mouseReleased(event->button(), event->position().x() / k, event->position().y() / k);
}

void DrawingArea::mouseDoubleClickEvent(QMouseEvent *) { emit doubleClicked(); }

void DrawingArea::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    emit pointerLeft();
}
