#pragma once
// The pictures of the program's SVG icons at a size in device pixels. The
// window's icons draw theirs when first shown; the sizes the window shows at
// start (the tool bar's at ratios 1 and 2, the window icon's) are drawn by the
// build beforehand with the same function (tools/icon_pixels.cpp), so that
// the start-up copies pixels instead of reading and drawing pictures.
#include <QImage>
#include <QSize>
#include <QString>
#include <QtGlobal>

// The picture scaled to fit the size, keeping its proportions, on a
// transparent ground; a null image when it cannot be read or nothing fits.
QImage drawIconPicture(const QString &fileName, const QSize &size);

// The picture at exactly this size as the build drew it, or a null image.
QImage builtIconPicture(const QString &fileName, const QSize &size);

// One picture drawn by the build: the icon's resource name, its size and its
// pixels (premultiplied ARGB, row after row).
struct BuiltIconPixels {
    const char *fileName;
    int width;
    int height;
    const quint32 *pixels;
};
extern const BuiltIconPixels kBuiltIconPixels[];
extern const int kBuiltIconPixelsCount;
