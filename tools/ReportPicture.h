#pragma once
// kel2d-report's picture of the model: the model drawing as the program's
// model view shows it, with the view the model file keeps, written as an
// SVG picture or a PDF page without a screen.
#include <QString>
#include <optional>

class Workspace;
enum class PictureFormat;

// Draws the read model (drawing mode 0) on the view's own drawing area,
// 20 x 15 cm at 96 dots per inch, and writes the picture to the file
// whole, or not at all; returns the system's reason when it could not be
// written. Any other drawing mode of the workspace is kept.
std::optional<QString> writeModelPicture(Workspace &ws, PictureFormat format,
                                         const QString &fileName);
