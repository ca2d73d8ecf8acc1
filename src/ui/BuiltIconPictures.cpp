// The lookup in the pictures the build drew (their table is written by
// tools/icon_pixels.cpp); kept apart from drawIconPicture, which the tool
// itself links.
#include "ui/IconPicture.h"

QImage builtIconPicture(const QString &fileName, const QSize &size)
{
    for (int i = 0; i < kBuiltIconPixelsCount; ++i) {
        const BuiltIconPixels &built = kBuiltIconPixels[i];
        if (built.width == size.width() && built.height == size.height()
            && fileName == QLatin1String(built.fileName))
            return QImage(reinterpret_cast<const uchar *>(built.pixels), built.width, built.height,
                          built.width * 4, QImage::Format_ARGB32_Premultiplied);
    }
    return QImage();
}
