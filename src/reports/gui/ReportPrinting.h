#pragma once
// The text report on paper: a fixed-pitch 10-point font, the first line 2 cm
// below the top edge of the page and 2 cm right of its left edge, and a new
// page where the next line would come closer than 2 cm to the bottom edge.
#include <QFont>
#include <QStringList>

class QPagedPaintDevice;

// Courier, 10 points; where Courier is missing, the system's fixed-pitch
// font at 10 points.
QFont reportPrintFont();

// Prints the lines on the device, measured from the paper's edges. Returns
// false when the device could not be painted on or a page not begun.
bool printReportLines(QPagedPaintDevice &device, const QStringList &lines);
