#pragma once
// What the program asks of the Linux desktop: the browser, the default
// viewer of a local file, a calculator and the default printer.
#include "common/PlatformServices.h"
#include <QStringList>

class DesktopServices : public PlatformServices {
public:
    bool openUrl(const QString &url) override;
    bool openLocalFile(const QString &path) override;
    bool startCalculator() override;
    bool printLines(const QStringList &lines) override;

    // The calculators tried, in order of preference.
    static QStringList calculatorPrograms();
    // The first of them found on PATH, or empty.
    static QString findCalculator();
};
