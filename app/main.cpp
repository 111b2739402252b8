#include "Lifecycle.h"
#include "Product.h"
#include "QtPlatform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Lets the desktop match the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(platform::DesktopFileName);
    // Hiding the last screen is no reason to stop: only EndProgram ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    platform::QtPlatform platform;
    app::Lifecycle lifecycle(platform);
    lifecycle.Startup();
    return QApplication::exec();
}
