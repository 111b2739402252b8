#include "app/Lifecycle.h"
#include "desktop/ScreenWindow.h"
#include "platform/QtPlatform.h"
#include "resources/Product.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>

namespace {

bool IsSet(const char* variable) {
    return !qEnvironmentVariableIsEmpty(variable);
}

// Wayland gives a program no say where its windows stand or whether one stays on top, and
// the screens need both: where an X server is at hand as well (Xwayland, as on GNOME and
// KDE), the program runs through it. A platform the user chose still wins. The choice is
// the program's own and is not passed on to the browser it starts.
bool PreferX11OverWayland() {
    if (IsSet("QT_QPA_PLATFORM") || !IsSet("WAYLAND_DISPLAY") || !IsSet("DISPLAY"))
        return false;
    qputenv("QT_QPA_PLATFORM", "xcb");
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (!IsSet("QT_QPA_PLATFORM") && !IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY")) {
        std::fprintf(stderr,
                     "%s needs a graphical desktop (X11 or Wayland), and there is "
                     "none here.\n",
                     qPrintable(product::AppTitle));
        return 1;
    }
    const bool choseX11 = PreferX11OverWayland();
    QApplication application(argc, argv);
    if (choseX11)
        qunsetenv("QT_QPA_PLATFORM");
    // The name that keys the settings and the instance claim is the executable's own file
    // name, not the one it was called by: a link to the program is the program, while a
    // copy under another name has settings and a claim of its own.
    const QString executable = QCoreApplication::applicationFilePath();
    if (!executable.isEmpty())
        QCoreApplication::setApplicationName(QFileInfo(executable).completeBaseName());
    // Lets the desktop match the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(product::DesktopFileName);
    desktop::KeepFixedWindowsFixed(application);
    // Hiding the last screen is no reason to stop: only EndProgram ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    platform::QtPlatform platform;
    app::Lifecycle lifecycle(platform);
    lifecycle.Startup();
    return QApplication::exec();
}
