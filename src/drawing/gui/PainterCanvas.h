#pragma once
// The drawing surface of the drawing area: a persistent image painted with
// QPainter. Centimetres become logical pixels through the screen's logical
// DPI; the image holds logical size x device pixel ratio physical pixels so
// the picture stays sharp on HiDPI screens. Line widths are logical pixels,
// font sizes points of the application's default sans-serif face.
//
// The same drawing goes onto any other paint device (a vector picture
// generator, a PDF writer, an image of the caller's) through the second
// constructor: the device's own size and resolution then take the image's
// place.
#include "drawing/Canvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPalette>
#include <QPen>
#include <QSize>
#include <memory>
#include <optional>

class QPaintDevice;
class QPainter;

class PainterCanvas : public Canvas {
public:
    explicit PainterCanvas(const QSize &logicalSize = QSize(), qreal devicePixelRatio = 1.0,
                           qreal dpi = 96.0);
    // Paints on `device`, which must outlive the canvas, at its size and
    // logical resolution; image() stays empty. finish() ends the painting,
    // which some devices need before their output is complete.
    explicit PainterCanvas(QPaintDevice &device);
    ~PainterCanvas() override;
    PainterCanvas(const PainterCanvas &) = delete;
    PainterCanvas &operator=(const PainterCanvas &) = delete;

    // Renews the own image for a new area size and paints on it; the new
    // picture is blank.
    void resize(const QSize &logicalSize, qreal devicePixelRatio, qreal dpi);
    // The palette system colours are taken from.
    void setPalette(const QPalette &palette);

    // The picture as drawn so far. Ends the painting in progress (the next
    // primitive starts a new one), so the image may be shown, copied or saved.
    const QImage &image();
    void finish() { endPainting(); }

    QSize logicalSize() const { return m_logicalSize; }
    qreal devicePixelRatio() const { return m_dpr; }
    qreal dpi() const { return m_dpi; }
    double pixelsPerCm() const { return m_pxPerCm; }

    double widthCm() const override;
    double heightCm() const override;
    void clear(std::uint32_t background) override;
    void setForeColour(std::uint32_t colour) override;
    void setFillColour(std::uint32_t colour) override;
    void setFillSolid(bool solid) override;
    void setLineWidth(int pixels) override;
    void setFontSize(double points) override;
    void setFontBold(bool bold) override;
    void line(double x1, double y1, double x2, double y2) override;
    void circle(double cx, double cy, double radius) override;
    void text(const QString &s) override;
    void setTextPosition(double x, double y) override;
    double textX() const override { return m_textX; }
    double textY() const override { return m_textY; }
    double textWidth(const QString &s) const override;
    double textHeight(const QString &s) const override;

private:
    QPainter &painter();
    void endPainting();
    const QFontMetricsF &metrics() const;
    QColor colour(std::uint32_t value) const;
    double snap(double logical) const;
    int physicalLineWidth() const;
    void applyPen(QPainter &p);

    QImage m_image;
    QPaintDevice *m_target = &m_image; // the own image or the caller's device
    std::unique_ptr<QPainter> m_painter;
    QSize m_logicalSize;
    qreal m_dpr = 1.0;
    qreal m_dpi = 96.0;
    double m_pxPerCm = 96.0 / 2.54;
    QPalette m_palette;

    std::uint32_t m_fore = 0, m_fill = 0xFFFFFF;
    bool m_solid = false;
    int m_lineWidth = 1;
    QFont m_font;
    mutable std::optional<QFontMetricsF> m_metrics;
    double m_textX = 0, m_textY = 0;

    // What the painter holds, so state is only changed when it differs.
    QPen m_pen;
    bool m_penSet = false;
    bool m_fontSet = false;
};
