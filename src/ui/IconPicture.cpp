#include "ui/IconPicture.h"

#include <QPainter>
#include <QSvgRenderer>

QImage drawIconPicture(const QString &fileName, const QSize &size)
{
    QSvgRenderer renderer(fileName);
    if (!renderer.isValid())
        return QImage();
    QSize fitted = renderer.defaultSize();
    if (!fitted.isNull())
        fitted.scale(size, Qt::KeepAspectRatio);
    if (fitted.isEmpty())
        return QImage();
    QImage image(fitted, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}
