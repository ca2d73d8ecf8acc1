#include "ui/StatusPanel.h"

#include <QPainter>

StatusPanel::StatusPanel(const QString &key, const QString &accessibleName,
                         const QString &usualText, const QString &shortestText, QWidget *parent)
    : QLabel(parent), m_key(key), m_usualText(usualText), m_shortestText(shortestText)
{
    setObjectName(QStringLiteral("panel_") + key);
    setAccessibleName(accessibleName);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setContentsMargins(4, 0, 4, 0);
}

int StatusPanel::widthFor(const QString &text) const
{
    const QMargins m = contentsMargins();
    return fontMetrics().horizontalAdvance(text) + m.left() + m.right() + 2 * frameWidth();
}

QSize StatusPanel::sizeHint() const
{
    const QSize label = QLabel::sizeHint();
    return QSize(std::max(label.width(), widthFor(m_usualText)), label.height());
}

QSize StatusPanel::minimumSizeHint() const
{
    return QSize(widthFor(m_shortestText), QLabel::minimumSizeHint().height());
}

void StatusPanel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event); // the sunken frame
    QPainter p(this);
    p.setPen(palette().color(foregroundRole()));
    const QRect box = contentsRect();
    p.drawText(box, int(alignment()),
               fontMetrics().elidedText(text(), Qt::ElideRight, box.width()));
}
