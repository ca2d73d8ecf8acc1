#pragma once
// The few things the program asks of the desktop. Behind one interface so
// that tests never launch a browser or a calculator, nor print.
#include <QString>
#include <QStringList>

class PlatformServices {
public:
    virtual ~PlatformServices() = default;
    // Each returns false when the desktop could not do it.
    virtual bool openUrl(const QString &url) = 0;
    virtual bool openLocalFile(const QString &path) = 0;
    virtual bool startCalculator() = 0;
    // Prints the lines on the default printer in a fixed-pitch font, a page
    // after another; false when no printer is installed or printing failed.
    virtual bool printLines(const QStringList &lines) = 0;
};
