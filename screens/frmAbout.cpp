#include "screens/frmAbout.h"

#include "desktop/ScreenWindow.h"
#include "look/CaptionFitting.h"
#include "look/Controls.h"
#include "look/LinkLabel.h"
#include "look/ScreenLook.h"
#include "resources/Product.h"
#include "web/OpenPage.h"

#include <QLabel>
#include <QPushButton>

namespace screens {

using look::DefaultPoints;
using look::MakeButton;
using look::MakeLabel;
using look::MakeLinkLabel;
using look::TwipsRect;
using look::Verdana;
using web::OpenPage;
using web::PageKey;

frmAbout::frmAbout(platform::Platform& platform, QWidget* parent)
    : QDialog(parent), platform_(platform) {
    setObjectName(QStringLiteral("frmAbout"));
    setModal(true);
    look::ApplyScreenLook(this);
    look::SetScreenTitle(this, product::ScreenTitle);
    desktop::MakeScreenWindow(this, look::TwipsSize(6825, 3780));
    setWindowFlag(Qt::Dialog);

    auto* picture =
        MakeLabel(this, "Picture1", QString(), TwipsRect(120, 120, 480, 480), Verdana());
    picture->setPixmap(look::ApplicationPixmap(32));

    MakeLabel(this, "Label2", product::ScreenTitle, TwipsRect(840, 120, 4935, 255),
              Verdana(9.75, true));
    auto* description = MakeLabel(
        this, "Label1",
        "Nuvra Karmic Debt Number Software indicates the mistakes you have made, the "
        "opportunities you have missed in your previous lifetimes. This number gives you an "
        "opportunity to rectify the errors done in previous lifetimes by taking an additional "
        "burden in this lifetime which is known as the Karmic Debt.",
        TwipsRect(840, 480, 5775, 1155), Verdana());
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* lblHomePage = MakeLinkLabel(this, "lblHomePage", "Click here to visit " + web::SiteRoot(),
                                      TwipsRect(2640, 1800, 4050, 195),
                                      Verdana(DefaultPoints, false, true), Qt::white);
    lblHomePage->setWordWrap(false);

    auto* business = MakeLabel(this, "Label3",
                               "Home Business Opportunity. Start your own Internet business and "
                               "make money online. Get this software fully branded for your "
                               "website.",
                               TwipsRect(840, 2160, 5685, 675), Verdana(DefaultPoints, true));
    business->setWordWrap(true);
    business->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* lblCoBrand = MakeLinkLabel(this, "lblCoBrand", "Click here for more details.",
                                     TwipsRect(4440, 2925, 2355, 195),
                                     Verdana(DefaultPoints, false, true), Qt::white);
    lblCoBrand->setWordWrap(false);

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setGeometry(look::Px(-60), look::Px(3270), look::Px(6900), 1);
    line->setAutoFillBackground(true);
    look::SetColours(line, {{QPalette::Window, Qt::white}});

    auto* cmdOK = MakeButton(this, "cmdOK", "OK", TwipsRect(5400, 3360, 1260, 345));
    cmdOK->setDefault(true);
    cmdOK->setFocus();

    look::FitCaptions(this);

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(lblHomePage, &look::LinkLabel::clicked, this, &frmAbout::lblHomePage_Click);
    connect(lblCoBrand, &look::LinkLabel::clicked, this, &frmAbout::lblCoBrand_Click);
}

void frmAbout::cmdOK_Click() {
    accept();
}

void frmAbout::lblHomePage_Click() {
    OpenPage(platform_, PageKey::HomePage);
}

// The details link completes the full-branding text, so it opens that offer.
void frmAbout::lblCoBrand_Click() {
    OpenPage(platform_, PageKey::FullyBranded);
}

} // namespace screens
