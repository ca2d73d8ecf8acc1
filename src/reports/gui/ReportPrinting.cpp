#include "reports/gui/ReportPrinting.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

constexpr double kMarginCm = 2.0;
constexpr double kPointSize = 10.0;

} // namespace

QFont reportPrintFont()
{
    QFont font = QFontDatabase::hasFamily(QStringLiteral("Courier"))
        ? QFont(QStringLiteral("Courier"))
        : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(kPointSize);
    return font;
}

bool printReportLines(QPagedPaintDevice &device, const QStringList &lines)
{
    // Positions from the paper's edges, not from the printable area.
    QPageLayout layout = device.pageLayout();
    layout.setMode(QPageLayout::FullPageMode);
    device.setPageLayout(layout);

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setFont(reportPrintFont());
    const QFontMetricsF metrics(painter.font(), &device);
    const double pxPerCm = device.logicalDpiY() / 2.54;
    const double left = kMarginCm * device.logicalDpiX() / 2.54;
    const double top = kMarginCm * pxPerCm;
    const double bottom = device.height() - kMarginCm * pxPerCm;

    double y = top;
    for (const QString &line : lines) {
        if (y > top && y + metrics.lineSpacing() > bottom) {
            if (!device.newPage()) {
                painter.end();
                return false;
            }
            y = top;
        }
        painter.drawText(QPointF(left, y + metrics.ascent()), line);
        y += metrics.lineSpacing();
    }
    return painter.end();
}
