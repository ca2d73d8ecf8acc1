// GUI tests run on the offscreen platform with one QApplication for the run.
#include <QApplication>
#include <gtest/gtest.h>

namespace {

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform says so every time a window with a minimum size is
// shown; a real desktop passes the size on to its window manager.
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message == QLatin1String("This plugin does not support propagateSizeHints()"))
        return;
    defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultHandler = qInstallMessageHandler(quietHandler);
    QApplication app(argc, argv);
    // The program's pictures, for tests that use them without a main window.
    Q_INIT_RESOURCE(kel2d);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
