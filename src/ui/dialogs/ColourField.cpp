#include "ui/dialogs/ColourField.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int kKeyStep = 4; // pixels an arrow key moves the pick point

} // namespace

ColourField::ColourField(QWidget *parent) : QWidget(parent)
{
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Spectrum"));
    setToolTip(QStringLiteral("Press and drag to pick a colour"));
}

QColor ColourField::colourAt(double fx, double fy)
{
    const double hue = std::clamp(fx, 0.0, 1.0) * (359.0 / 360.0);
    const double lightness = 1.0 - std::clamp(fy, 0.0, 1.0);
    return QColor::fromHslF(static_cast<float>(hue), 1.0f, static_cast<float>(lightness)).toRgb();
}

void ColourField::paintEvent(QPaintEvent *)
{
    if (m_picture.size() != size()) {
        m_picture = QImage(size(), QImage::Format_RGB32);
        const double w = std::max(1, width() - 1);
        const double h = std::max(1, height() - 1);
        for (int y = 0; y < height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(m_picture.scanLine(y));
            for (int x = 0; x < width(); ++x)
                line[x] = colourAt(x / w, y / h).rgb();
        }
    }
    QPainter p(this);
    p.drawImage(0, 0, m_picture);
    if (m_pick.x() >= 0) {
        // A ring that shows on light and dark colours alike.
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::black, 1));
        p.drawEllipse(m_pick, 5, 5);
        p.setPen(QPen(Qt::white, 1));
        p.drawEllipse(m_pick, 4, 4);
    }
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 2));
        p.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

void ColourField::pickAt(QPoint point)
{
    m_pick = QPoint(std::clamp(point.x(), 0, width() - 1), std::clamp(point.y(), 0, height() - 1));
    const double w = std::max(1, width() - 1);
    const double h = std::max(1, height() - 1);
    update();
    emit colourPicked(colourAt(m_pick.x() / w, m_pick.y() / h));
}

void ColourField::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_tracking = true;
    pickAt(event->position().toPoint());
}

void ColourField::mouseMoveEvent(QMouseEvent *event)
{
    if (m_tracking && (event->buttons() & Qt::LeftButton))
        pickAt(event->position().toPoint());
}

void ColourField::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_tracking = false;
}

void ColourField::keyPressEvent(QKeyEvent *event)
{
    QPoint step;
    switch (event->key()) {
    case Qt::Key_Left: step = {-kKeyStep, 0}; break;
    case Qt::Key_Right: step = {kKeyStep, 0}; break;
    case Qt::Key_Up: step = {0, -kKeyStep}; break;
    case Qt::Key_Down: step = {0, kKeyStep}; break;
    default: QWidget::keyPressEvent(event); return;
    }
    const QPoint from = m_pick.x() >= 0 ? m_pick : QPoint(width() / 2, height() / 2);
    pickAt(from + step);
}
