#pragma once
// The colour diagram's legend beside the drawing area: "T" (tension) above a
// colour bar and "C" (compression) below it. The bar is a drawing surface of
// its own, 1 cm wide and 5.10 cm high, that the colour diagram draws on; it
// is not part of the drawing area's picture.
#include <QWidget>

class Canvas;
class PainterCanvas;
class QLabel;

class ColourLegendPanel : public QWidget {
    Q_OBJECT
public:
    explicit ColourLegendPanel(QWidget *parent = nullptr);
    ~ColourLegendPanel() override;

    // The bar's surface.
    Canvas &canvas();
    PainterCanvas &painterCanvas();
    QWidget *bar() const;
    QLabel *tensionLabel() const { return m_tension; }
    QLabel *compressionLabel() const { return m_compression; }

    // The captions' and the panel's colours.
    void setColours(const QColor &back, const QColor &text);

private:
    class Bar;
    Bar *m_bar = nullptr;
    QLabel *m_tension = nullptr;
    QLabel *m_compression = nullptr;
};
