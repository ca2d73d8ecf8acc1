// GUI tests run on the offscreen platform with one QApplication for the run.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The program's pictures, for tests that use them without a main window.
    Q_INIT_RESOURCE(kel2d);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
