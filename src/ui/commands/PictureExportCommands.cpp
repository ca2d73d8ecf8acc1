// The File menu's "Export..." items for the picture: the drawing area's
// persistent image, at its size and device resolution, without the overlays
// and the colour legend, which are widgets of their own.
#include "ui/frmMain.h"

#include "drawing/PictureExport.h"
#include "drawing/gui/DrawingArea.h"
#include "drawing/gui/PainterCanvas.h"
#include "drawing/gui/PictureFile.h"

void frmMain::copyPictureToClipboard() { copyImageToClipboard(m_area->painterCanvas().image()); }

void frmMain::savePictureAsBmp()
{
    const QImage &picture = m_area->painterCanvas().image();
    savePicture(m_ws, bitmapPicture(),
                [&picture](const QString &fileName) { return writeBitmapFile(picture, fileName); });
}
