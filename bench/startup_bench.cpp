// Start-up benchmark: starts the program and two yardsticks in turn on the same X display
// and measures, for each, the time from process start to the first painted frame and the
// peak resident memory; prints medians and the ratios of the program to each yardstick.
// The minimal text form is the honest floor for a program with words on its screen; the
// bare window draws no text at all.
//
//   startup_bench PROGRAM MINIMAL_FORM BARE_WINDOW [RUNS]   (on an otherwise empty display)
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

struct Series {
    const char* name;
    QString path;
    std::vector<double> ms;
    std::vector<double> kib;
};

void Report(const Series& program, const Series& yardstick, double timeGoal, double memoryGoal) {
    const double timeRatio = Median(program.ms) / Median(yardstick.ms);
    const double memoryRatio = Median(program.kib) / Median(yardstick.kib);
    std::printf("program / %-12s time to first frame %.1f / %.1f ms = %.2f", yardstick.name,
                Median(program.ms), Median(yardstick.ms), timeRatio);
    if (timeGoal > 0)
        std::printf(" (goal %.2f)", timeGoal);
    std::printf("\n%26s peak RSS %.0f / %.0f KiB = %.2f", "", Median(program.kib),
                Median(yardstick.kib), memoryRatio);
    if (memoryGoal > 0)
        std::printf(" (goal %.2f)", memoryGoal);
    std::printf("\n");
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: startup_bench PROGRAM MINIMAL_FORM BARE_WINDOW [RUNS]\n");
        return 2;
    }
    const int runs = args.size() > 3 ? args[3].toInt() : 15;
    QScreen* screen = QGuiApplication::primaryScreen();
    const QImage empty = Middle(screen);

    Series series[] = {{"program", args[0], {}, {}},
                       {"minimal form", args[1], {}, {}},
                       {"bare window", args[2], {}, {}}};
    for (const Series& each : series)
        Measure(each.path, screen, empty); // warm the file cache for all three
    for (int run = 0; run < runs; ++run) {
        std::printf("run %2d:", run + 1);
        for (Series& each : series) {
            const Sample sample = Measure(each.path, screen, empty);
            each.ms.push_back(sample.milliseconds);
            each.kib.push_back(sample.peakKiB);
            std::printf("   %s %6.1f ms %6.0f KiB", each.name, sample.milliseconds, sample.peakKiB);
        }
        std::printf("\n");
    }
    std::printf("\nmedians of %d alternating runs:\n", runs);
    Report(series[0], series[1], 1.10, 1.05);
    Report(series[0], series[2], 0, 0);
    return 0;
}
