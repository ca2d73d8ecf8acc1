#pragma once
// A drawing surface that draws nothing and keeps every primitive with the
// attributes it was drawn with, so that the drawing routines can be checked
// without a display. Text is measured deterministically: 0.15 cm per
// character and a 0.3 cm line at 7 points, both in proportion to the size.
#include "drawing/Canvas.h"

#include <QVector>
#include <optional>

class RecordingCanvas : public Canvas {
public:
    struct Line {
        double x1, y1, x2, y2;
        std::uint32_t colour;
        int width;
    };
    struct Circle {
        double cx, cy, radius;
        std::uint32_t colour;
        std::uint32_t fill;
        bool solid;
        int width;
    };
    struct Text {
        double x, y;
        QString text;
        std::uint32_t colour;
        double size;
        bool bold;
    };

    explicit RecordingCanvas(double widthCm = 20.0, double heightCm = 15.0);

    double widthCm() const override { return m_width; }
    double heightCm() const override { return m_height; }
    void setSize(double widthCm, double heightCm);

    void clear(std::uint32_t background) override;
    void setForeColour(std::uint32_t colour) override { m_fore = colour; }
    void setFillColour(std::uint32_t colour) override { m_fill = colour; }
    void setFillSolid(bool solid) override { m_solid = solid; }
    void setLineWidth(int pixels) override { m_widthPx = pixels; }
    void setFontSize(double points) override { m_fontSize = points; }
    void setFontBold(bool bold) override { m_bold = bold; }

    void line(double x1, double y1, double x2, double y2) override;
    void circle(double cx, double cy, double radius) override;
    void text(const QString &s) override;
    void setTextPosition(double x, double y) override
    {
        m_textX = x;
        m_textY = y;
    }
    double textX() const override { return m_textX; }
    double textY() const override { return m_textY; }
    double textWidth(const QString &s) const override;
    double textHeight(const QString &s) const override;

    // What was drawn since the last clear (clear() itself is counted).
    const QVector<Line> &lines() const { return m_lines; }
    const QVector<Circle> &circles() const { return m_circles; }
    const QVector<Text> &texts() const { return m_texts; }
    int clearCount() const { return m_clears; }
    std::uint32_t lastBackground() const { return m_background; }
    double fontSize() const { return m_fontSize; }
    int lineWidth() const { return m_widthPx; }

    // Forgets everything drawn, also the clear count.
    void reset();

    // Queries for tests. Coordinates match within `tol` cm; a line matches in
    // either direction.
    std::optional<Line> findLine(double x1, double y1, double x2, double y2,
                                 double tol = 1e-6) const;
    std::optional<Text> findText(const QString &s) const;
    int countText(const QString &s) const;
    std::optional<Circle> findCircle(double cx, double cy, double radius, double tol = 1e-6) const;

private:
    double m_width, m_height;
    std::uint32_t m_fore = 0, m_fill = 0xFFFFFF, m_background = 0xFFFFFF;
    bool m_solid = false;
    int m_widthPx = 1;
    double m_fontSize = 8.0;
    bool m_bold = false;
    double m_textX = 0, m_textY = 0;
    int m_clears = 0;
    QVector<Line> m_lines;
    QVector<Circle> m_circles;
    QVector<Text> m_texts;
};
