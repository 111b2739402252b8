// The second yardstick for the start-up benchmark: the smallest Qt Widgets form that draws
// text the way the program does (a menu bar with one menu, a label, a line edit, a
// drop-down list and a push button), of the main screen's size and centred like it. Text
// costs a fixed amount of start-up (fonts, shaping) that no program with words escapes.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal form"));
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    auto* client = new QWidget(&window);
    new QLabel(QStringLiteral("First Name"), client);
    (new QLineEdit(client))->move(0, 20);
    auto* list = new QComboBox(client);
    list->addItems({QStringLiteral("January"), QStringLiteral("February")});
    list->move(0, 50);
    (new QPushButton(QStringLiteral("&Next"), client))->move(150, 50);
    window.setCentralWidget(client);
    window.setFixedSize(427, 239);
    const QRect available = window.screen()->availableGeometry();
    window.move(available.center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
