// The reference of bench/startup.sh: a QApplication and an empty QMainWindow
// shown, nothing else (and the same first-frame probe as the program).
#include "FirstFrameProbe.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    FirstFrameProbe::installIfAsked();
    QMainWindow window;
    window.show();
    return app.exec();
}
