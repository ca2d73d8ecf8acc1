#include "ui/dialogs/SvgPicture.h"

#include <QMouseEvent>
#include <QPainter>

SvgPicture::SvgPicture(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void SvgPicture::setSource(const QString &path)
{
    if (path == m_source)
        return;
    m_source = path;
    m_renderer.load(path);
    updateGeometry();
    update();
}

QSize SvgPicture::sizeHint() const
{
    // The drawing's own size at a 12-pixel line of text, grown with the
    // font so that the picture keeps its proportion to the text beside it.
    const QSize own = m_renderer.isValid() ? m_renderer.defaultSize() : QSize(48, 48);
    const qreal scale = fontMetrics().height() / 12.0;
    return (QSizeF(own) * qMax<qreal>(1.0, scale)).toSize();
}

void SvgPicture::paintEvent(QPaintEvent *)
{
    if (!m_renderer.isValid())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QSizeF size = m_renderer.defaultSize();
    size.scale(QSizeF(this->size()), Qt::KeepAspectRatio);
    const QRectF target(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2),
                        size);
    m_renderer.render(&painter, target);
}

void SvgPicture::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
    QWidget::mousePressEvent(event);
}
