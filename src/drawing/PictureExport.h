#pragma once
// Saving the picture of the drawing area to a file, without the widgets: the
// dialog, the rule for the file name's extension, and the message when the
// file cannot be written. The picture itself is written by the caller.
#include <QString>
#include <functional>
#include <optional>

class Interaction;

// One kind of picture file: the save dialog's filter, the extension every
// saved name ends in (compared case-sensitively) and the text a failure
// message starts with.
struct PictureFileKind {
    QString filter;
    QString extension;
    QString failureText;
};

// The picture files the drawing area is saved as: the pixels (BMP), or the
// drawing itself with lines as lines and text as text (SVG, a PDF page).
enum class PictureFormat { Bitmap, Svg, Pdf };

// "Bitmap Files (*.bmp)", ".bmp", "An error occured while trying to save the
// bitmap file:".
const PictureFileKind &bitmapPicture();
// Bitmap as above; "SVG Files (*.svg)", ".svg", "An error occurred while
// trying to save the SVG file:"; PDF likewise.
const PictureFileKind &pictureFileKind(PictureFormat format);
// The vector format a file name asks for by its extension, in any case
// (".svg", ".PDF"); nothing for any other name.
std::optional<PictureFormat> vectorFormatOfName(const QString &fileName);

// The chosen name with the extension added unless its last characters are
// exactly the extension: "a.BMP" becomes "a.BMP.bmp".
QString pictureFileName(const QString &chosen, const PictureFileKind &kind);

// Writes the picture to the named file; returns the system's description of
// the error when the file could not be written, nothing when it was.
using PictureWriter = std::function<std::optional<QString>(const QString &fileName)>;

// Asks for a file name (proposed: "Picture" in the current folder; the dialog
// asks before overwriting), adds the extension where it is missing, asks
// again when the name with the extension added names an existing file, and
// writes. Cancelling is silent. A failure is shown in a box with the critical
// icon and written to the log in bold red: the kind's failure text, a space
// and the system's reason. Returns whether the picture was saved.
bool savePicture(Interaction &user, const PictureFileKind &kind, const PictureWriter &write);
