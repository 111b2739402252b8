#include "Lifecycle.h"
#include "QtPlatform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    platform::QtPlatform platform;
    app::Lifecycle lifecycle(platform);
    lifecycle.Startup();
    return QApplication::exec();
}
