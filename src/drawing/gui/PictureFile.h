#pragma once
// Writing the drawing area's picture to a file and to the clipboard.
#include <QByteArray>
#include <QString>
#include <optional>

class QImage;

// Writes a picture file's bytes whole. The file is written beside the target
// and renamed over it only when complete, so a failed save leaves an
// existing file as it was. Returns the system's description of the error,
// nothing when the file was written.
std::optional<QString> writePictureFile(const QByteArray &bytes, const QString &fileName);

// Writes the image as a Windows BMP file, pixel for pixel, as above.
std::optional<QString> writeBitmapFile(const QImage &image, const QString &fileName);

// Empties the clipboard, then puts the image on it as a bitmap.
void copyImageToClipboard(const QImage &image);
