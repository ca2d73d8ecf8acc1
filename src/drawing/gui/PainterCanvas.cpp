#include "drawing/gui/PainterCanvas.h"

#include "drawing/gui/Colours.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QPaintEngine>
#include <QPainter>
#include <cmath>

PainterCanvas::PainterCanvas(const QSize &logicalSize, qreal devicePixelRatio, qreal dpi)
    : m_palette(QGuiApplication::palette()), m_font(QGuiApplication::font())
{
    m_font.setStyleHint(QFont::SansSerif);
    m_font.setPointSizeF(8.0);
    m_font.setBold(false);
    resize(logicalSize, devicePixelRatio, dpi);
}

PainterCanvas::PainterCanvas(QPaintDevice &device)
    : m_target(&device), m_palette(QGuiApplication::palette()), m_font(QGuiApplication::font())
{
    m_font.setStyleHint(QFont::SansSerif);
    m_font.setPointSizeF(8.0);
    m_font.setBold(false);
    // A picture file names its font: the face the style hint gives here, so
    // a viewer elsewhere finds it or one like it, not an alias of this desktop.
    m_font.setFamily(QFontInfo(m_font).family());
    m_dpr = device.devicePixelRatioF() > 0 ? device.devicePixelRatioF() : 1.0;
    m_dpi = device.logicalDpiX() > 0 ? device.logicalDpiX() : 96.0;
    m_pxPerCm = m_dpi / 2.54;
    m_logicalSize = QSize(qRound(device.width() / m_dpr), qRound(device.height() / m_dpr));
}

PainterCanvas::~PainterCanvas() { endPainting(); }

void PainterCanvas::resize(const QSize &logicalSize, qreal devicePixelRatio, qreal dpi)
{
    endPainting();
    m_logicalSize = logicalSize.expandedTo(QSize(0, 0));
    m_dpr = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    m_dpi = dpi > 0 ? dpi : 96.0;
    m_pxPerCm = m_dpi / 2.54;
    m_target = &m_image;
    const QSize physical(qCeil(m_logicalSize.width() * m_dpr),
                         qCeil(m_logicalSize.height() * m_dpr));
    m_image = QImage(physical.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    m_image.setDevicePixelRatio(m_dpr);
    // Fonts are sized in points against the image's resolution: make it the
    // screen's, so 7 points here are 7 points on the screen.
    const int dotsPerMeter = qRound(m_dpi / 0.0254);
    m_image.setDotsPerMeterX(dotsPerMeter);
    m_image.setDotsPerMeterY(dotsPerMeter);
    m_image.fill(Qt::white);
    m_metrics.reset();
    m_textX = m_textY = 0;
}

void PainterCanvas::setPalette(const QPalette &palette)
{
    m_palette = palette;
    m_penSet = false;
}

const QImage &PainterCanvas::image()
{
    endPainting();
    return m_image;
}

QPainter &PainterCanvas::painter()
{
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(m_target);
        m_painter->setRenderHint(QPainter::Antialiasing, true);
        m_painter->setRenderHint(QPainter::TextAntialiasing, true);
        m_penSet = false;
        m_fontSet = false;
    }
    return *m_painter;
}

void PainterCanvas::endPainting()
{
    if (m_painter) {
        m_painter->end();
        m_painter.reset();
    }
}

QColor PainterCanvas::colour(std::uint32_t value) const { return resolveColour(value, m_palette); }

double PainterCanvas::widthCm() const { return m_logicalSize.width() / m_pxPerCm; }
double PainterCanvas::heightCm() const { return m_logicalSize.height() / m_pxPerCm; }

void PainterCanvas::clear(std::uint32_t background)
{
    QPainter &p = painter();
    p.save();
    // An image takes the colour as it is, also its alpha; a vector picture
    // has no such mode and just paints the background over the page.
    if (p.paintEngine()->hasFeature(QPaintEngine::PorterDuff))
        p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(QRectF(QPointF(0, 0), QSizeF(m_logicalSize)), colour(background));
    p.restore();
    m_textX = m_textY = 0;
}

void PainterCanvas::setForeColour(std::uint32_t c)
{
    if (c != m_fore) {
        m_fore = c;
        m_penSet = false;
    }
}

void PainterCanvas::setFillColour(std::uint32_t c) { m_fill = c; }
void PainterCanvas::setFillSolid(bool solid) { m_solid = solid; }

void PainterCanvas::setLineWidth(int pixels)
{
    const int w = std::max(1, pixels);
    if (w != m_lineWidth) {
        m_lineWidth = w;
        m_penSet = false;
    }
}

void PainterCanvas::setFontSize(double points)
{
    if (points > 0 && points != m_font.pointSizeF()) {
        m_font.setPointSizeF(points);
        m_metrics.reset();
        m_fontSet = false;
    }
}

void PainterCanvas::setFontBold(bool bold)
{
    if (bold != m_font.bold()) {
        m_font.setBold(bold);
        m_metrics.reset();
        m_fontSet = false;
    }
}

const QFontMetricsF &PainterCanvas::metrics() const
{
    if (!m_metrics)
        m_metrics.emplace(m_font, m_target);
    return *m_metrics;
}

// A horizontal or vertical line is moved onto the physical pixel grid, so a
// 1-pixel line covers exactly one row or column of pixels instead of being
// smeared over two by the antialiasing.
double PainterCanvas::snap(double logical) const
{
    const double physical = logical * m_dpr;
    const int physicalWidth = physicalLineWidth();
    const double snapped = (physicalWidth % 2) ? std::floor(physical) + 0.5 : std::round(physical);
    return snapped / m_dpr;
}

// The pen covers whole physical pixels, also at a fractional pixel ratio.
int PainterCanvas::physicalLineWidth() const
{
    return std::max(1, int(std::lround(m_lineWidth * m_dpr)));
}

void PainterCanvas::applyPen(QPainter &p)
{
    if (!m_penSet) {
        m_pen = QPen(colour(m_fore), physicalLineWidth() / m_dpr, Qt::SolidLine, Qt::RoundCap,
                     Qt::RoundJoin);
        p.setPen(m_pen);
        m_penSet = true;
    }
}

void PainterCanvas::line(double x1, double y1, double x2, double y2)
{
    QPainter &p = painter();
    applyPen(p);
    double px1 = x1 * m_pxPerCm, py1 = y1 * m_pxPerCm;
    double px2 = x2 * m_pxPerCm, py2 = y2 * m_pxPerCm;
    if (px1 == px2) {
        px1 = px2 = snap(px1);
    } else if (py1 == py2) {
        py1 = py2 = snap(py1);
    }
    p.drawLine(QPointF(px1, py1), QPointF(px2, py2));
}

void PainterCanvas::circle(double cx, double cy, double radius)
{
    QPainter &p = painter();
    applyPen(p);
    if (m_solid)
        p.setBrush(colour(m_fill));
    else
        p.setBrush(Qt::NoBrush);
    const double r = radius * m_pxPerCm;
    p.drawEllipse(QPointF(cx * m_pxPerCm, cy * m_pxPerCm), r, r);
}

void PainterCanvas::text(const QString &s)
{
    const QFontMetricsF &fm = metrics();
    if (!s.isEmpty()) {
        QPainter &p = painter();
        if (!m_fontSet) {
            p.setFont(m_font);
            m_fontSet = true;
        }
        applyPen(p);
        p.drawText(QPointF(m_textX * m_pxPerCm, m_textY * m_pxPerCm + fm.ascent()), s);
    }
    m_textX = 0;
    m_textY += fm.lineSpacing() / m_pxPerCm;
}

void PainterCanvas::setTextPosition(double x, double y)
{
    m_textX = x;
    m_textY = y;
}

double PainterCanvas::textWidth(const QString &s) const
{
    return metrics().horizontalAdvance(s) / m_pxPerCm;
}

double PainterCanvas::textHeight(const QString &) const
{
    return metrics().lineSpacing() / m_pxPerCm;
}
