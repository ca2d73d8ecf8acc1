#include "ui/DesktopServices.h"

#include "reports/gui/ReportPrinting.h"

#include <QDesktopServices>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

bool DesktopServices::openUrl(const QString &url) { return QDesktopServices::openUrl(QUrl(url)); }

bool DesktopServices::openLocalFile(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QStringList DesktopServices::calculatorPrograms()
{
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
            QStringLiteral("galculator"), QStringLiteral("mate-calc"), QStringLiteral("xcalc")};
}

QString DesktopServices::findCalculator()
{
    for (const QString &name : calculatorPrograms()) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

bool DesktopServices::startCalculator()
{
    // Started directly, never through a shell, and left running on its own.
    const QString program = findCalculator();
    return !program.isEmpty() && QProcess::startDetached(program, {});
}

bool DesktopServices::printLines(const QStringList &lines)
{
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull())
        return false;
    QPrinter printer(printerInfo, QPrinter::HighResolution);
    if (!printer.isValid())
        return false;
    printer.setFullPage(true);
    printer.setDocName(QStringLiteral("Corvane Kel.2D - Data & Results"));
    return printReportLines(printer, lines);
}
