#include "screens/ScreenParts.h"

#include "look/Controls.h"
#include "look/LinkLabel.h"
#include "look/ScreenLook.h"
#include "web/OpenPage.h"

#include <QGroupBox>

namespace screens {

using look::LinkLabel;
using look::MakeFrame;
using look::MakeLinkLabel;
using look::TwipsRect;
using look::Verdana;
using web::OpenPage;
using web::PageKey;

namespace {

const QString ForumText =
    QStringLiteral("Join Calvora, the free online discussion board for all things mystic. "
                   "Click here to visit our web site.");

const QString CoBrandCaption = QStringLiteral(
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. "
    "Put your site's name &&  link here. See \"Help\" for details.    "
    "Click Here for more info on co-branding.");

const QString FullBrandCaption = QStringLiteral(
    "Home Business Opportunity. Start your own Internet business and make money online. "
    "Get this software fully branded for your website. Click here for more details.");

const QColor BrandBlue{0, 0, 255};

} // namespace

ForumBanner MakeForumBanner(QWidget* screen, platform::Platform& platform, QRect frame,
                            QRect label) {
    ForumBanner banner;
    banner.Frame2 = MakeFrame(screen, "Frame2", QString(), frame);
    banner.Label61 = MakeLinkLabel(banner.Frame2, "Label61", ForumText, label,
                                   Verdana(9, false, true), Qt::white);
    QObject::connect(banner.Label61, &LinkLabel::clicked, screen,
                     [&platform] { OpenPage(platform, PageKey::HomePage); });
    return banner;
}

BrandBanner MakeBrandBanner(QWidget* screen, platform::Platform& platform, QRect frame) {
    BrandBanner banner;
    banner.fraFullBrand = MakeFrame(screen, "fraFullBrand", QString(), frame);
    const QFont font = Verdana(look::DefaultPoints, true, true);
    // Opaque, so the label in front hides the one behind.
    banner.lblCobrand =
        MakeLinkLabel(banner.fraFullBrand, "lblCobrand", look::CaptionText(CoBrandCaption),
                      TwipsRect(120, 160, 5985, 615), font, BrandBlue);
    banner.lblFullBrand = MakeLinkLabel(banner.fraFullBrand, "lblFullBrand", FullBrandCaption,
                                        TwipsRect(120, 165, 5985, 615), font, BrandBlue);
    for (LinkLabel* label : {banner.lblCobrand, banner.lblFullBrand}) {
        look::SetColours(label, {{QPalette::Window, look::ScreenBackground}});
        label->setAutoFillBackground(true);
    }
    banner.lblFullBrand->raise();
    QObject::connect(banner.lblCobrand, &LinkLabel::clicked, screen,
                     [&platform] { OpenPage(platform, PageKey::CoBrand); });
    QObject::connect(banner.lblFullBrand, &LinkLabel::clicked, screen,
                     [&platform] { OpenPage(platform, PageKey::FullyBranded); });
    return banner;
}

} // namespace screens
