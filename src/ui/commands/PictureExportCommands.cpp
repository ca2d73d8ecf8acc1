// The File menu's "Export..." items for the picture: the drawing area's
// persistent image, at its size and device resolution, without the overlays
// and the colour legend, which are widgets of their own.
#include "ui/frmMain.h"

#include "drawing/PictureExport.h"
#include "drawing/gui/DrawingArea.h"
#include "drawing/gui/PainterCanvas.h"
#include "drawing/gui/PictureFile.h"

void frmMain::copyPictureToClipboard()
{
    CopyImageToClipboard(m_area->painterCanvas().image());
}

void frmMain::savePictureAsBmp()
{
    const QImage &picture = m_area->painterCanvas().image();
    Save_Picture(m_ws, BitmapPicture(),
                 [&picture](const QString &fileName) { return WriteBitmapFile(picture, fileName); });
}
