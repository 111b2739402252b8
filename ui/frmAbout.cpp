#include "frmAbout.h"

#include "OpenPage.h"
#include "Product.h"
#include "ScreenParts.h"

namespace ui {

using platform::TwipsRect;
using platform::Verdana;
using web::OpenPage;
using web::PageKey;

frmAbout::frmAbout(platform::Platform& platform, QWidget* parent)
    : QDialog(parent), platform_(platform) {
    setObjectName(QStringLiteral("frmAbout"));
    setModal(true);
    platform::ApplyScreenLook(this, platform::ScreenTitle);
    platform::MakeFixedWindow(this, platform::TwipsSize(6825, 3780));
    setWindowFlag(Qt::Dialog);

    auto* picture =
        MakeLabel(this, "Picture1", QString(), TwipsRect(120, 120, 480, 480), Verdana(8.25));
    picture->setPixmap(platform::ApplicationPixmap(32));

    MakeLabel(this, "Label2", platform::ScreenTitle, TwipsRect(840, 120, 4935, 255),
              Verdana(9.75, true));
    auto* description = MakeLabel(
        this, "Label1",
        "Nuvra Karmic Debt Number Software indicates the mistakes you have made, the "
        "opportunities you have missed in your previous lifetimes. This number gives you an "
        "opportunity to rectify the errors done in previous lifetimes by taking an additional "
        "burden in this lifetime which is known as the Karmic Debt.",
        TwipsRect(840, 480, 5775, 1155), Verdana(8.25));
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* lblHomePage =
        MakeLinkLabel(this, "lblHomePage", "Click here to visit " + web::SiteRoot(),
                      TwipsRect(2640, 1800, 4050, 195), Verdana(8.25, false, true), Qt::white);
    lblHomePage->setWordWrap(false);

    auto* business = MakeLabel(this, "Label3",
                               "Home Business Opportunity. Start your own Internet business and "
                               "make money online. Get this software fully branded for your "
                               "website.",
                               TwipsRect(840, 2160, 5685, 675), Verdana(8.25, true));
    business->setWordWrap(true);
    business->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* lblCoBrand =
        MakeLinkLabel(this, "lblCoBrand", "Click here for more details.",
                      TwipsRect(4440, 2925, 2355, 195), Verdana(8.25, false, true), Qt::white);
    lblCoBrand->setWordWrap(false);

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setGeometry(platform::Px(-60), platform::Px(3270), platform::Px(6900), 1);
    line->setAutoFillBackground(true);
    QPalette linePalette = line->palette();
    linePalette.setColor(QPalette::Window, Qt::white);
    line->setPalette(linePalette);

    auto* cmdOK = MakeButton(this, "cmdOK", "OK", TwipsRect(5400, 3360, 1260, 345));
    cmdOK->setAutoDefault(true);
    cmdOK->setDefault(true);
    cmdOK->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(lblHomePage, &platform::LinkLabel::clicked, this, &frmAbout::lblHomePage_Click);
    connect(lblCoBrand, &platform::LinkLabel::clicked, this, &frmAbout::lblCoBrand_Click);
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

} // namespace ui
