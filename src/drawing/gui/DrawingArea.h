#pragma once
// The drawing area of the main window: shows the persistent picture, reports
// mouse events in centimetres, and carries the overlays (rubber rectangle,
// the mouse's markers and labels) that are not part of the picture.
#include "drawing/ModelMouse.h"

#include <QRectF>
#include <QWidget>
#include <cstdint>
#include <memory>

class Canvas;
class MouseOverlayPainter;
class PainterCanvas;
struct ViewTransform;

class DrawingArea : public QWidget {
    Q_OBJECT
public:
    explicit DrawingArea(QWidget *parent = nullptr);
    ~DrawingArea() override;

    // The surface drawing routines paint on; repaint() shows it.
    Canvas &canvas();
    double widthCm() const;
    double heightCm() const;
    void setBackgroundColour(std::uint32_t colour);
    // The view whose area width and height (cm) follow this widget's size;
    // renewed at once and on every resize. Not owned; null detaches.
    void attachView(ViewTransform *view);
    // The picture itself, for saving or copying it.
    PainterCanvas &painterCanvas();

    // Zoom-window rubber rectangle between two points in cm; hide with an
    // empty rectangle.
    void setRubberRectangle(const QRectF &cm);
    // The mouse's markers, labels and rubber line, painted over the picture;
    // only the pixels they leave and cover are repainted.
    void setMouseOverlay(const MouseOverlay &overlay);
    const MouseOverlay &mouseOverlay() const;

signals:
    void mousePressed(Qt::MouseButton button, double xCm, double yCm);
    void mouseMoved(Qt::MouseButtons buttons, double xCm, double yCm);
    void mouseReleased(Qt::MouseButton button, double xCm, double yCm);
    void doubleClicked();
    // The pointer went off the area.
    void pointerLeft();
    // The size changed and the picture was renewed blank: redraw it.
    void resized();
    // Sent before each paint, while the picture can still be drawn.
    void aboutToPaint();

protected:
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;
    void mousePressEvent(QMouseEvent *) override;
    void mouseMoveEvent(QMouseEvent *) override;
    void mouseReleaseEvent(QMouseEvent *) override;
    void mouseDoubleClickEvent(QMouseEvent *) override;
    void leaveEvent(QEvent *) override;

private:
    const MouseOverlayPainter &overlayPainter();

    struct Private;
    std::unique_ptr<Private> m_d;
};
