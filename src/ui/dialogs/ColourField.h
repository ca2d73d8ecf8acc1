#pragma once
// The colour chooser's spectrum: hue across, lightness down (white at the
// top, the pure hues in the middle, black at the bottom). Pressing the mouse
// button on it, and moving with the button held, picks the colour under the
// pointer; the arrow keys move the pick point in steps.
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QWidget>

class ColourField : public QWidget {
    Q_OBJECT
public:
    explicit ColourField(QWidget *parent = nullptr);

    // The colour at a point of the field given as fractions of its width and
    // height (clamped into the field).
    static QColor colourAt(double fx, double fy);

    QSize sizeHint() const override { return {256, 128}; }
    QSize minimumSizeHint() const override { return {128, 64}; }

signals:
    void colourPicked(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void pickAt(QPoint point);

    QImage m_picture;      // the spectrum at the widget's size, made when needed
    QPoint m_pick{-1, -1}; // the last point picked; none yet while negative
    bool m_tracking = false;
};
