#include "drawing/gui/PictureFile.h"
#include "common/SaveFileWrite.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>

namespace {

// The bitmap has no transparency: the picture is opaque.
QImage opaque(const QImage &image)
{
    QImage out = image.convertToFormat(QImage::Format_RGB32);
    out.setDevicePixelRatio(1.0);
    return out;
}

} // namespace

std::optional<QString> writePictureFile(const QByteArray &bytes, const QString &fileName)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (!writeAll(file, bytes) || !file.commit()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    return std::nullopt;
}

std::optional<QString> writeBitmapFile(const QImage &image, const QString &fileName)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter encoder(&buffer, "bmp");
    if (!encoder.write(opaque(image)))
        return encoder.errorString();
    return writePictureFile(bytes, fileName);
}

void copyImageToClipboard(const QImage &image)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(opaque(image));
}
