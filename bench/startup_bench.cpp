// Start-up benchmark: starts the program and a bare Qt window alternately on the same X
// display and measures, for each, the time from process start to the first painted frame
// and the peak resident memory; prints medians and the ratios program / bare.
//
//   startup_bench PROGRAM BARE_WINDOW [RUNS]      (run on an otherwise empty X display)
//
// A frame counts as painted when the pixels at the middle of the screen, where both
// windows open, differ from the empty screen's.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Sample {
    double milliseconds = 0;
    double peakKiB = 0;
};

QImage Middle(QScreen* screen) {
    const QRect area = screen->geometry();
    return screen->grabWindow(0, area.center().x() - 20, area.center().y() - 20, 40, 40).toImage();
}

double PeakKiB(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble();
    }
    return 0;
}

Sample Measure(const QString& program, QScreen* screen, const QImage& empty) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    process.start(program, {});
    process.waitForStarted();
    Sample sample;
    while (clock.elapsed() < 20000) {
        if (Middle(screen) != empty) {
            sample.milliseconds = clock.nsecsElapsed() / 1e6;
            break;
        }
        QThread::usleep(500);
    }
    QThread::msleep(300); // let it settle, then read its high-water mark
    sample.peakKiB = PeakKiB(process.processId());
    process.kill();
    process.waitForFinished();
    // Wait for the screen to be empty again before the next start.
    for (int i = 0; i < 2000 && Middle(screen) != empty; ++i)
        QThread::msleep(1);
    return sample;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: startup_bench PROGRAM BARE_WINDOW [RUNS]\n");
        return 2;
    }
    const int runs = args.size() > 2 ? args[2].toInt() : 15;
    QScreen* screen = QGuiApplication::primaryScreen();
    const QImage empty = Middle(screen);

    std::vector<double> programMs, bareMs, programKiB, bareKiB;
    Measure(args[0], screen, empty); // warm the file cache for both
    Measure(args[1], screen, empty);
    for (int run = 0; run < runs; ++run) {
        const Sample program = Measure(args[0], screen, empty);
        const Sample bare = Measure(args[1], screen, empty);
        programMs.push_back(program.milliseconds);
        programKiB.push_back(program.peakKiB);
        bareMs.push_back(bare.milliseconds);
        bareKiB.push_back(bare.peakKiB);
        std::printf("run %2d: program %7.1f ms %8.0f KiB   bare %7.1f ms %8.0f KiB\n", run + 1,
                    program.milliseconds, program.peakKiB, bare.milliseconds, bare.peakKiB);
    }
    const double timeRatio = Median(programMs) / Median(bareMs);
    const double memoryRatio = Median(programKiB) / Median(bareKiB);
    std::printf("\nmedian time to first frame: program %.1f ms, bare %.1f ms, ratio %.2f (goal 1.15)\n",
                Median(programMs), Median(bareMs), timeRatio);
    std::printf("median peak RSS:            program %.0f KiB, bare %.0f KiB, ratio %.2f (goal 1.10)\n",
                Median(programKiB), Median(bareKiB), memoryRatio);
    return 0;
}
