// The yardstick for the start-up benchmark: a bare Qt Widgets window of the main screen's
// size, centred like it, with nothing in it.

#include <QApplication>
#include <QScreen>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(427, 239);
    const QRect available = window.screen()->availableGeometry();
    window.move(available.center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
