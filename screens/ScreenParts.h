#pragma once
// The two banners that the main and the result screen both carry.

#include <QRect>

class QGroupBox;
class QWidget;

namespace look {
class LinkLabel;
}
namespace platform {
class Platform;
}

namespace screens {

// The forum banner: a frame holding one white link label; Label61 opens the home page.
struct ForumBanner {
    QGroupBox* Frame2;
    look::LinkLabel* Label61;
};
ForumBanner MakeForumBanner(QWidget* screen, platform::Platform& platform, QRect frame,
                            QRect label);

// Two link labels on the same spot; whichever is in front is the one seen. lblCobrand
// opens the co-branding offer, lblFullBrand the full-branding one.
struct BrandBanner {
    QGroupBox* fraFullBrand;
    look::LinkLabel* lblCobrand;
    look::LinkLabel* lblFullBrand;
};
BrandBanner MakeBrandBanner(QWidget* screen, platform::Platform& platform, QRect frame);

} // namespace screens
