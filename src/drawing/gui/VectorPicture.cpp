#include "drawing/gui/VectorPicture.h"

#include "common/UserPrompts.h"
#include "drawing/gui/PainterCanvas.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace {

void paint(QPaintDevice &device, const PictureFrame &frame,
           const std::function<void(Canvas &)> &draw)
{
    PainterCanvas canvas(device);
    canvas.setPalette(frame.palette);
    draw(canvas);
    canvas.finish();
}

QByteArray svgPicture(const PictureFrame &frame, const std::function<void(Canvas &)> &draw)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(frame.logicalSize);
    svg.setViewBox(QRect(QPoint(0, 0), frame.logicalSize));
    svg.setResolution(frame.dpi);
    svg.setTitle(kProgramTitle);
    paint(svg, frame, draw);
    return bytes;
}

QByteArray pdfPicture(const PictureFrame &frame, const std::function<void(Canvas &)> &draw)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setTitle(kProgramTitle);
    pdf.setCreator(kProgramTitle);
    pdf.setResolution(frame.dpi);
    const QSizeF points = QSizeF(frame.logicalSize) * 72.0 / frame.dpi;
    pdf.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    paint(pdf, frame, draw);
    return bytes;
}

} // namespace

QByteArray vectorPicture(PictureFormat format, const PictureFrame &frame,
                         const std::function<void(Canvas &)> &draw)
{
    switch (format) {
    case PictureFormat::Svg: return svgPicture(frame, draw);
    case PictureFormat::Pdf: return pdfPicture(frame, draw);
    case PictureFormat::Bitmap: break;
    }
    return {};
}
