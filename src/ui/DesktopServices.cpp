#include "ui/DesktopServices.h"

#include <QDesktopServices>
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
