// Memory over many Next and Back: drives the real screens, on the real platform, through
// Next and Back, and prints the resident memory and the heap in use every CYCLES/10
// cycles, so growth that does not level off shows as a line. Not a test: figures only.
//
//   next_back_memory [CYCLES]   (on a display; 1000 cycles by default)

#include "app/Lifecycle.h"
#include "desktop/ScreenWindow.h"
#include "platform/QtPlatform.h"
#include "screens/frmKarmicDebtNo.h"
#include "screens/frmMain.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>

#include <cstdio>
#include <malloc.h>

namespace {

long ResidentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Lets the window system map, paint and settle what was shown or hidden, and deletes what
// was let go, as the event loop would.
void Settle() {
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QThread::msleep(2);
    }
}

template <typename T> T* Child(QWidget* screen, const char* name) {
    return screen->findChild<T*>(QLatin1String(name));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const int cycles = argc > 1 ? std::atoi(argv[1]) : 1000;
    desktop::KeepFixedWindowsFixed(application);
    platform::QtPlatform platform;
    app::Lifecycle lifecycle(platform);
    lifecycle.Startup();
    Settle();
    Child<QLineEdit>(lifecycle.Main(), "txtFirstName")->setText(QStringLiteral("ED"));
    Child<QLineEdit>(lifecycle.Main(), "txtLastName")->setText(QStringLiteral("KAY"));
    std::printf("cycle   RSS KiB  heap KiB\n%5d  %8ld  %8zu\n", 0, ResidentKiB(),
                mallinfo2().uordblks / 1024);
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        Child<QPushButton>(lifecycle.Main(), "cmdNext")->click();
        Settle();
        Child<QPushButton>(lifecycle.Result(), "cmdback")->click();
        Settle();
        if (cycle % std::max(1, cycles / 10) == 0)
            std::printf("%5d  %8ld  %8zu\n", cycle, ResidentKiB(), mallinfo2().uordblks / 1024);
        std::fflush(stdout);
    }
    return 0;
}
