#pragma once
// The drawing surface, measured in centimetres from the top-left corner of
// the drawing area, y growing downwards. Colours are the program's 32-bit
// colour values (0x00BBGGRR; bit 31 set names a system colour, which the
// surface resolves). Line widths are device pixels, font sizes points.
#include <QString>
#include <cstdint>

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual double widthCm() const = 0;
    virtual double heightCm() const = 0;

    // Fills the whole surface with the colour; the text position goes to 0,0.
    virtual void clear(std::uint32_t background) = 0;

    virtual void setForeColour(std::uint32_t colour) = 0;
    virtual void setFillColour(std::uint32_t colour) = 0;
    virtual void setFillSolid(bool solid) = 0;
    virtual void setLineWidth(int pixels) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setFontBold(bool bold) = 0;

    virtual void line(double x1, double y1, double x2, double y2) = 0;
    // Outlined in the fore colour, filled with the fill colour when solid.
    virtual void circle(double cx, double cy, double radius) = 0;

    // Text is written with its top-left corner at the text position, in the
    // fore colour; afterwards the position moves to the start of the next
    // line (x = 0, y one line lower).
    virtual void text(const QString &s) = 0;
    virtual void setTextPosition(double x, double y) = 0;
    virtual double textX() const = 0;
    virtual double textY() const = 0;
    virtual double textWidth(const QString &s) const = 0;
    virtual double textHeight(const QString &s) const = 0;
};
