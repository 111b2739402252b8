// Holds a name on the session bus until it is killed, standing in for a desktop's service:
// "bus_name com.canonical.AppMenu.Registrar" makes Qt believe a global menu bar is there.
// Prints "owned" once the name is held.

#include <QCoreApplication>
#include <QDBusConnection>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2 || !QDBusConnection::sessionBus().registerService(args[1])) {
        std::fprintf(stderr, "usage: bus_name NAME, with a session bus\n");
        return 2;
    }
    std::printf("owned\n");
    std::fflush(stdout);
    return application.exec();
}
