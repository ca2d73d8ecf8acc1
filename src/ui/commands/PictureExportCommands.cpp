// The File menu's "Export..." items for the picture: the drawing area's
// persistent image, at its size and device resolution, without the overlays
// and the colour legend, which are widgets of their own; or the same picture
// drawn again as a vector picture of the area's size.
#include "ui/frmMain.h"

#include "drawing/FreeMotionDrawing.h"
#include "drawing/PictureExport.h"
#include "drawing/Sxediastika.h"
#include "drawing/gui/AnimationPlayer.h"
#include "drawing/gui/DrawingArea.h"
#include "drawing/gui/PainterCanvas.h"
#include "drawing/gui/PictureFile.h"
#include "drawing/gui/VectorPicture.h"

void frmMain::copyPictureToClipboard() { copyImageToClipboard(m_area->painterCanvas().image()); }

void frmMain::savePictureAsBmp() { savePictureFile(PictureFormat::Bitmap); }
void frmMain::savePictureAsSvg() { savePictureFile(PictureFormat::Svg); }
void frmMain::savePictureAsPdf() { savePictureFile(PictureFormat::Pdf); }

// The picture is taken when the file is written, after the dialog: a running
// animation goes on behind it, and the frame then on the area is saved.
void frmMain::savePictureFile(PictureFormat format)
{
    savePicture(m_ws, pictureFileKind(format), [this, format](const QString &fileName) {
        if (format == PictureFormat::Bitmap)
            return writeBitmapFile(m_area->painterCanvas().image(), fileName);
        const PainterCanvas &area = m_area->painterCanvas();
        const PictureFrame frame{area.logicalSize(), qRound(area.dpi()), palette()};
        return writePictureFile(
            vectorPicture(format, frame, [this](Canvas &c) { drawPictureAgain(c); }), fileName);
    });
}

// What the area shows: the drawing mode's picture (the animation's frame on
// screen; no colour bar, which has its own surface), or the free motion
// drawn in its place since the last redraw.
void frmMain::drawPictureAgain(Canvas &canvas)
{
    if (m_freeMotionShown)
        drawFreeMotion(m_ws, canvas, *m_freeMotionShown, 1);
    else
        ::RedrawDrawingArea(m_ws, canvas, RedrawExtras{nullptr, m_animation->phase()});
}
