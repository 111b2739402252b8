#include "screens/frmMain.h"

#include "desktop/ScreenWindow.h"
#include "look/CaptionFitting.h"
#include "look/Controls.h"
#include "look/LinkLabel.h"
#include "look/ScreenLook.h"
#include "platform/Platform.h"
#include "resources/Product.h"
#include "screens/frmAbout.h"
#include "web/OpenPage.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace screens {

using look::MakeButton;
using look::MakeFrame;
using look::MakeLabel;
using look::MakeList;
using look::MakeTextBox;
using look::TwipsRect;
using look::Verdana;
using web::OpenPage;
using web::PageKey;

namespace {

constexpr int February = 2;
constexpr int FirstYear = 1900;
constexpr int LastYear = 2050;

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool HasNoDay31(int month) {
    return month == 4 || month == 6 || month == 9 || month == 11;
}

QAction* MakeAction(QMenu* menu, const char* name, const QString& caption) {
    auto* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

} // namespace

frmMain::frmMain(platform::Platform& platform, QWidget* parent)
    : QMainWindow(parent), platform_(platform) {
    setObjectName(QStringLiteral("frmMain"));
    look::ApplyScreenLook(this);
    look::SetScreenTitle(this, product::ScreenTitle);

    auto* client = new QWidget(this);
    client->setFixedSize(look::TwipsSize(6405, 3315));
    setCentralWidget(client);
    BuildControls(client);
    BuildMenus();
    look::FitCaptions(this);

    desktop::MakeScreenWindow(this, QSize()); // the size the menu bar and the client area take
    desktop::AskInsteadOfClosing(this, [this] { emit closeRequested(); });
}

void frmMain::BuildControls(QWidget* client) {
    MakeForumBanner(client, platform_, TwipsRect(80, 0, 6255, 615), TwipsRect(50, 140, 6120, 585));

    auto* fraName = MakeFrame(client, "fraName",
                              "Please Fill In The Below Details:", TwipsRect(80, 720, 6255, 1605));
    const QFont fieldFont = look::ScreenFont(QStringLiteral("MS Sans Serif"), look::DefaultPoints);
    const auto fieldLabel = [&](const char* name, const char* text, QRect rect) {
        return MakeLabel(fraName, name, text, rect, fieldFont);
    };
    QLabel* Label1 = fieldLabel("Label1", "First Name", TwipsRect(120, 240, 750, 195));
    txtFirstName_ = MakeTextBox(fraName, "txtFirstName", QString(), TwipsRect(90, 450, 1905, 345));
    QLabel* Label4 = fieldLabel("Label4", "Middle Name", TwipsRect(2160, 240, 1095, 195));
    txtMiddleName_ =
        MakeTextBox(fraName, "txtMiddleName", QString(), TwipsRect(2115, 450, 1965, 345));
    QLabel* Label5 = fieldLabel("Label5", "Last Name", TwipsRect(4200, 240, 765, 195));
    txtLastName_ = MakeTextBox(fraName, "txtLastName", QString(), TwipsRect(4200, 450, 1935, 345));

    auto* fraBirthDay =
        MakeFrame(fraName, "fraBirthDay", "Date Of Birth", TwipsRect(120, 840, 6045, 645));
    cboMonth_ = MakeList(fraBirthDay, "cboMonth", TwipsRect(120, 210, 1455, 315));
    cboDate_ = MakeList(fraBirthDay, "cboDate", TwipsRect(1760, 210, 855, 315));
    cboYear_ = MakeList(fraBirthDay, "cboYear", TwipsRect(2800, 210, 975, 315));
    cmdNext_ = MakeButton(fraBirthDay, "cmdNext", "&Next", TwipsRect(3960, 210, 1965, 315));

    brand_ = MakeBrandBanner(client, platform_, TwipsRect(80, 2400, 6255, 855));

    // Never seen, and out of the Tab order, but its access key still reaches the exit.
    cmdExit_ = MakeButton(client, "cmdExit", "E&xit", TwipsRect(6600, 3600, 1095, 375));
    cmdExit_->setFocusPolicy(Qt::NoFocus);

    for (QLineEdit* box : {txtFirstName_, txtMiddleName_, txtLastName_})
        box->installEventFilter(this);
    // A screen reader announces each name box by the label above it, its buddy.
    Label1->setBuddy(txtFirstName_);
    Label4->setBuddy(txtMiddleName_);
    Label5->setBuddy(txtLastName_);
    // What it announces for the lists, which have no caption of their own.
    cboMonth_->setAccessibleName(QStringLiteral("Month of birth"));
    cboDate_->setAccessibleName(QStringLiteral("Day of birth"));
    cboYear_->setAccessibleName(QStringLiteral("Year of birth"));
    // On Linux, Qt (6.4 and 6.8 alike) gives a screen reader a list's current entry as its
    // name, so the list's own name goes into the description, which does get through.
    for (QComboBox* list : {cboMonth_, cboDate_, cboYear_}) {
        list->setAccessibleDescription(list->accessibleName());
        list->view()->setAccessibleName(list->accessibleName());
    }
    look::FitTogether({Label1, Label4, Label5});

    // The date reads month, day, year, and Tab follows it.
    look::SetTabOrder(
        {txtFirstName_, txtMiddleName_, txtLastName_, cboMonth_, cboDate_, cboYear_, cmdNext_});

    connect(cmdNext_, &QPushButton::clicked, this, &frmMain::cmdNext_Click);
    connect(cmdExit_, &QPushButton::clicked, this, &frmMain::cmdExit_Click);
}

void frmMain::BuildMenus() {
    QMenuBar* bar = menuBar();
    // A global menu bar (Plasma's, Unity-style panels) takes only entries with a menu, and
    // "&Donate" would be lost: the menu bar stays in the window.
    bar->setNativeMenuBar(false);
    bar->setFont(Verdana());

    QMenu* nuFile = bar->addMenu(QStringLiteral("&File"));
    nuFile->setObjectName(QStringLiteral("nuFile"));
    connect(MakeAction(nuFile, "mnuNext", "&Next"), &QAction::triggered, this,
            &frmMain::mnuNext_Click);
    connect(MakeAction(nuFile, "mnuExit", "E&xit"), &QAction::triggered, this,
            &frmMain::mnuExit_Click);

    QMenu* mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    connect(MakeAction(mnuHelp, "mnuOnline", "&Online Help"), &QAction::triggered, this,
            &frmMain::mnuOnline_Click);
    connect(MakeAction(mnuHelp, "mnuVisit", "&Visit Us Online"), &QAction::triggered, this,
            &frmMain::mnuVisit_Click);
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuFileSep1"));
    connect(MakeAction(mnuHelp, "mnuUpdate", "&Check for Software Update"), &QAction::triggered,
            this, &frmMain::mnuUpdate_Click);
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuFileSep2"));
    connect(MakeAction(mnuHelp, "mnuAbout", "&About Software"), &QAction::triggered, this,
            &frmMain::mnuAbout_Click);

    auto* mnuDonate = bar->addAction(QStringLiteral("&Donate"));
    mnuDonate->setObjectName(QStringLiteral("mnuDonate"));
    connect(mnuDonate, &QAction::triggered, this, &frmMain::mnuDonate_Click);

    // Offered greyed out: nothing in the program ever makes it available.
    auto* mkmoney = bar->addAction(QStringLiteral("Make Money &Online"));
    mkmoney->setObjectName(QStringLiteral("mkmoney"));
    mkmoney->setEnabled(false);
    connect(mkmoney, &QAction::triggered, this, &frmMain::mkmoney_Click);
}

void frmMain::Form_Load() {
    for (int day = 1; day <= 31; ++day)
        cboDate_->addItem(QString::number(day));
    for (int month = 1; month <= 12; ++month)
        cboMonth_->addItem(QLocale(QLocale::English).standaloneMonthName(month));
    for (int year = FirstYear; year <= LastYear; ++year)
        cboYear_->addItem(QString::number(year));

    cboDate_->setCurrentIndex(0);
    cboMonth_->setCurrentIndex(0);
    cboYear_->setCurrentIndex(0);
}

void frmMain::Refuse(const QString& message, QWidget* focusTarget) {
    platform_.ShowMessage(message, platform::MessageIcon::Information, platform::MessageButtons::Ok,
                          product::AppTitle);
    if (focusTarget)
        focusTarget->setFocus();
}

bool frmMain::ValidateInput() {
    if (txtFirstName_->text().isEmpty()) {
        Refuse(QStringLiteral("Please Enter Your First Name"), txtFirstName_);
        return false;
    }
    if (txtLastName_->text().isEmpty()) {
        Refuse(QStringLiteral("Please Enter Your Last Name"), txtLastName_);
        return false;
    }
    if (cboDate_->currentIndex() < 0) {
        Refuse(QStringLiteral("Please Specify Your Birth Date"), cboDate_);
        return false;
    }
    if (cboMonth_->currentIndex() < 0) {
        Refuse(QStringLiteral("Please Specify Your Birth Month"), cboMonth_);
        return false;
    }
    if (cboYear_->currentIndex() < 0) {
        Refuse(QStringLiteral("Please Specify Your Birth Year"), cboYear_);
        return false;
    }
    const int day = cboDate_->currentIndex() + 1;
    const int month = cboMonth_->currentIndex() + 1;
    const int year = cboYear_->currentText().toInt();
    // The two date messages differ by a space before "!", as they always have.
    if (month == February && day > (IsLeapYear(year) ? 29 : 28)) {
        Refuse(QStringLiteral("Please Enter Correct Date Or Month!"), nullptr);
        return false;
    }
    if (HasNoDay31(month) && day == 31) {
        Refuse(QStringLiteral("Please Enter Correct Date Or Month !"), nullptr);
        return false;
    }
    return true;
}

engine::CoreInput frmMain::EnteredInput() const {
    return {txtFirstName_->text().toStdU16String(), txtMiddleName_->text().toStdU16String(),
            txtLastName_->text().toStdU16String(), cboDate_->currentText().toStdU16String()};
}

void frmMain::cmdNext_Click() {
    if (ValidateInput())
        emit nextRequested();
}

void frmMain::mnuNext_Click() {
    cmdNext_Click();
}

void frmMain::cmdExit_Click() {
    emit exitRequested();
}

void frmMain::mnuExit_Click() {
    cmdExit_Click();
}

void frmMain::mnuOnline_Click() {
    OpenPage(platform_, PageKey::HelpWebPage);
}
void frmMain::mnuVisit_Click() {
    OpenPage(platform_, PageKey::HomePage);
}
void frmMain::mnuUpdate_Click() {
    OpenPage(platform_, PageKey::DownloadWebPage);
}
void frmMain::mnuDonate_Click() {
    OpenPage(platform_, PageKey::Donate);
}
void frmMain::mkmoney_Click() {
    OpenPage(platform_, PageKey::FullyBranded);
}
void frmMain::mnuAbout_Click() {
    frmAbout about(platform_, this);
    about.exec();
}

int frmMain::CoBrandNumber(double r) {
    const double scaled = 6 * r + 1;
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    int number = static_cast<int>(whole);
    if (fraction > 0.5 || (fraction == 0.5 && number % 2 != 0))
        ++number;
    return number;
}

void frmMain::CoBrand_Randomize() {
    const int intCoBrandRandomNumber = CoBrandNumber(platform_.Random());
    if (intCoBrandRandomNumber == 7)
        return;
    if (intCoBrandRandomNumber % 2 != 0)
        brand_.lblCobrand->raise();
    else
        brand_.lblFullBrand->raise();
}

namespace {

// Letters a to z as A to Z; every other character as it is.
QString UpperCaseLatin(QString text) {
    for (QChar& c : text) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - ('a' - 'A'));
    }
    return text;
}

} // namespace

// The key filter of the name boxes: letters typed a to z go in as A to Z, also when an
// input method or a compose sequence commits them; pasted text keeps its case. A key
// held with Ctrl or Alt inserts nothing: it is a command or an access key, never text.
bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    auto* box = static_cast<QLineEdit*>(watched);
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (text.isEmpty())
            return false;
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
            QKeyEvent command(key->type(), key->key(), key->modifiers(), QString(),
                              key->isAutoRepeat(), key->count());
            QCoreApplication::sendEvent(box, &command);
            return true;
        }
        const QString upper = UpperCaseLatin(text);
        if (upper != text) {
            box->insert(upper);
            return true;
        }
    } else if (event->type() == QEvent::InputMethod) {
        auto* input = static_cast<QInputMethodEvent*>(event);
        const QString upper = UpperCaseLatin(input->commitString());
        if (upper != input->commitString()) {
            QInputMethodEvent committed(input->preeditString(), input->attributes());
            committed.setCommitString(upper, input->replacementStart(), input->replacementLength());
            QCoreApplication::sendEvent(box, &committed);
            return true;
        }
    }
    return false;
}

} // namespace screens
