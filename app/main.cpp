#include "Lifecycle.h"
#include "Product.h"
#include "QtPlatform.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The name that keys the settings and the instance claim is the executable's own file
    // name, not the one it was called by: a link to the program is the program, while a
    // copy under another name has settings and a claim of its own.
    const QString executable = QCoreApplication::applicationFilePath();
    if (!executable.isEmpty())
        QCoreApplication::setApplicationName(QFileInfo(executable).completeBaseName());
    // Lets the desktop match the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(platform::DesktopFileName);
    // Hiding the last screen is no reason to stop: only EndProgram ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    platform::QtPlatform platform;
    app::Lifecycle lifecycle(platform);
    lifecycle.Startup();
    return QApplication::exec();
}
