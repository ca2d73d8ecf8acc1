#include "drawing/RecordingCanvas.h"

#include <cmath>

namespace {
constexpr double kCharWidth7pt = 0.15;
constexpr double kLineHeight7pt = 0.3;

bool near(double a, double b, double tol) { return std::abs(a - b) <= tol; }
} // namespace

RecordingCanvas::RecordingCanvas(double widthCm, double heightCm)
    : m_width(widthCm), m_height(heightCm)
{
}

void RecordingCanvas::setSize(double widthCm, double heightCm)
{
    m_width = widthCm;
    m_height = heightCm;
}

void RecordingCanvas::clear(std::uint32_t background)
{
    m_lines.clear();
    m_circles.clear();
    m_texts.clear();
    m_background = background;
    m_textX = m_textY = 0;
    ++m_clears;
}

void RecordingCanvas::reset()
{
    m_lines.clear();
    m_circles.clear();
    m_texts.clear();
    m_clears = 0;
}

void RecordingCanvas::line(double x1, double y1, double x2, double y2)
{
    m_lines.append(Line{x1, y1, x2, y2, m_fore, m_widthPx});
}

void RecordingCanvas::circle(double cx, double cy, double radius)
{
    m_circles.append(Circle{cx, cy, radius, m_fore, m_fill, m_solid, m_widthPx});
}

void RecordingCanvas::text(const QString &s)
{
    m_texts.append(Text{m_textX, m_textY, s, m_fore, m_fontSize, m_bold});
    m_textX = 0;
    m_textY += textHeight(s);
}

double RecordingCanvas::textWidth(const QString &s) const
{
    return kCharWidth7pt * m_fontSize / 7.0 * s.size();
}

double RecordingCanvas::textHeight(const QString &) const
{
    return kLineHeight7pt * m_fontSize / 7.0;
}

std::optional<RecordingCanvas::Line> RecordingCanvas::findLine(double x1, double y1, double x2,
                                                               double y2, double tol) const
{
    for (const Line &l : m_lines) {
        const bool forward = near(l.x1, x1, tol) && near(l.y1, y1, tol) && near(l.x2, x2, tol)
            && near(l.y2, y2, tol);
        const bool backward = near(l.x1, x2, tol) && near(l.y1, y2, tol) && near(l.x2, x1, tol)
            && near(l.y2, y1, tol);
        if (forward || backward)
            return l;
    }
    return std::nullopt;
}

std::optional<RecordingCanvas::Text> RecordingCanvas::findText(const QString &s) const
{
    for (const Text &t : m_texts)
        if (t.text == s)
            return t;
    return std::nullopt;
}

int RecordingCanvas::countText(const QString &s) const
{
    int n = 0;
    for (const Text &t : m_texts)
        n += t.text == s;
    return n;
}

std::optional<RecordingCanvas::Circle> RecordingCanvas::findCircle(double cx, double cy,
                                                                   double radius, double tol) const
{
    for (const Circle &c : m_circles)
        if (near(c.cx, cx, tol) && near(c.cy, cy, tol) && near(c.radius, radius, tol))
            return c;
    return std::nullopt;
}
