// The program kel2d: the main window, opened on the model named on the
// command line (all arguments taken together as one file name).
#include "FirstFrameProbe.h"
#include "ui/ExtensionIconStyle.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QStringList>

#include <csignal>

int main(int argc, char **argv)
{
#ifdef SIGXFSZ
    // A save beyond the file-size limit of the process fails with "File too
    // large" and its message, like any failed save, instead of ending the
    // program with the session's work.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QApplication app(argc, argv);
    FirstFrameProbe::installIfAsked();
    // The settings store and the desktop's folders are found by these names.
    QApplication::setOrganizationName(QStringLiteral("Corvane Kel.2D"));
    QApplication::setApplicationName(QStringLiteral("Corvane Kel.2D"));
    QApplication::setApplicationVersion(frmMain::versionString());
    QApplication::setDesktopFileName(QStringLiteral("kel2d"));
    // The style the application would have, its tool bars' extension icons
    // read when first drawn.
    QApplication::setStyle(new ExtensionIconStyle(QApplication::style()));

    QStringList arguments = QApplication::arguments();
    if (!arguments.isEmpty())
        arguments.removeFirst();

    frmMainOptions options;
    options.commandLine = arguments.join(QLatin1Char(' '));
    options.helpFallbackDir = QStringLiteral(KEL2D_HELP_SOURCE_DIR);
    frmMain window(options);
    window.show();
    return app.exec();
}
