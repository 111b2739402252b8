// The yardstick for the start-up instruction count: the main screen written plainly in Qt.
// The same controls, texts, colours and fonts, asked for by name, at the same places; no
// caption fitting, no window icon, no settings, no single-instance claim.

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

namespace {

QRect Twips(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

QFont Font(const char* family, double points, bool bold = false, bool underline = false) {
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

template <typename Control> Control* Placed(Control* control, QRect rect, const QFont& font) {
    control->setGeometry(rect);
    control->setFont(font);
    return control;
}

QLabel* Label(QWidget* parent, const QString& text, QRect rect, const QFont& font,
              const QColor& colour) {
    auto* label = Placed(new QLabel(text, parent), rect, font);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Nuvra Karmic Debt Number"));
    const QColor background(124, 165, 231);
    QPalette palette = window.palette();
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, background);
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Text, Qt::white);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.setFont(Font("Verdana", 8.25));

    QMenuBar* bar = window.menuBar();
    bar->setNativeMenuBar(false);
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Next"));
    file->addAction(QStringLiteral("E&xit"));
    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Online Help"));
    help->addAction(QStringLiteral("&Visit Us Online"));
    help->addSeparator();
    help->addAction(QStringLiteral("&Check for Software Update"));
    help->addSeparator();
    help->addAction(QStringLiteral("&About Software"));
    bar->addAction(QStringLiteral("&Donate"));
    bar->addAction(QStringLiteral("Make Money &Online"))->setEnabled(false);

    auto* client = new QWidget(&window);
    client->setFixedSize(427, 221);
    window.setCentralWidget(client);

    auto* forum = Placed(new QGroupBox(client), Twips(80, 0, 6255, 615), Font("Verdana", 8.25));
    Label(forum,
          QStringLiteral("Join Calvora, the free online discussion board for all things mystic. "
                         "Click here to visit our web site."),
          Twips(50, 140, 6120, 585), Font("Verdana", 9, false, true), Qt::white);

    auto* name = Placed(new QGroupBox(QStringLiteral("Please Fill In The Below Details:"), client),
                        Twips(80, 720, 6255, 1605), Font("Verdana", 8.25, true));
    const QFont field = Font("MS Sans Serif", 8.25);
    Label(name, QStringLiteral("First Name"), Twips(120, 240, 750, 195), field, Qt::white);
    Placed(new QLineEdit(name), Twips(90, 450, 1905, 345), Font("Verdana", 8.25));
    Label(name, QStringLiteral("Middle Name"), Twips(2160, 240, 1095, 195), field, Qt::white);
    Placed(new QLineEdit(name), Twips(2115, 450, 1965, 345), Font("Verdana", 8.25));
    Label(name, QStringLiteral("Last Name"), Twips(4200, 240, 765, 195), field, Qt::white);
    Placed(new QLineEdit(name), Twips(4200, 450, 1935, 345), Font("Verdana", 8.25));

    auto* birthDay = Placed(new QGroupBox(QStringLiteral("Date Of Birth"), name),
                            Twips(120, 840, 6045, 645), Font("Verdana", 8.25, true));
    auto* months =
        Placed(new QComboBox(birthDay), Twips(120, 210, 1455, 315), Font("Verdana", 8.25));
    for (int month = 1; month <= 12; ++month)
        months->addItem(QLocale(QLocale::English).standaloneMonthName(month));
    auto* days = Placed(new QComboBox(birthDay), Twips(1760, 210, 855, 315), Font("Verdana", 8.25));
    for (int day = 1; day <= 31; ++day)
        days->addItem(QString::number(day));
    auto* years =
        Placed(new QComboBox(birthDay), Twips(2800, 210, 975, 315), Font("Verdana", 8.25));
    for (int year = 1900; year <= 2050; ++year)
        years->addItem(QString::number(year));
    Placed(new QPushButton(QStringLiteral("&Next"), birthDay), Twips(3960, 210, 1965, 315),
           Font("Verdana", 8.25));

    auto* brand = Placed(new QGroupBox(client), Twips(80, 2400, 6255, 855), Font("Verdana", 8.25));
    const QFont brandFont = Font("Verdana", 8.25, true, true);
    Label(brand,
          QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic to "
                         "your site. Put your site's name &  link here. See \"Help\" for "
                         "details.    Click Here for more info on co-branding."),
          Twips(120, 160, 5985, 615), brandFont, Qt::blue)
        ->setAutoFillBackground(true);
    Label(brand,
          QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                         "money online. Get this software fully branded for your website. "
                         "Click here for more details."),
          Twips(120, 165, 5985, 615), brandFont, Qt::blue)
        ->setAutoFillBackground(true);
    Placed(new QPushButton(QStringLiteral("E&xit"), client), Twips(6600, 3600, 1095, 375),
           Font("Verdana", 8.25));

    window.setFixedSize(window.sizeHint());
    const QRect available = window.screen()->availableGeometry();
    window.move(available.center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
