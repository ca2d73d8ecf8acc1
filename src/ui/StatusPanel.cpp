#include "ui/StatusPanel.h"

#include <QEvent>
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
    if (m_usualWidth < 0)
        m_usualWidth = widthFor(m_usualText);
    return QSize(std::max(label.width(), m_usualWidth), label.height());
}

QSize StatusPanel::minimumSizeHint() const
{
    if (m_shortestWidth < 0)
        m_shortestWidth = widthFor(m_shortestText);
    return QSize(m_shortestWidth, QLabel::minimumSizeHint().height());
}

void StatusPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        m_usualWidth = m_shortestWidth = -1;
    QLabel::changeEvent(event);
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
