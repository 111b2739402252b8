#pragma once
// The two banners that the main and the result screen both carry.

#include "Windowing.h"

namespace platform {
class Platform;
}

namespace ui {

using platform::MakeButton;
using platform::MakeFrame;
using platform::MakeLabel;
using platform::MakeLinkLabel;

// The forum banner: a frame holding one white link label; Label61 opens the home page.
struct ForumBanner {
    QGroupBox* Frame2;
    platform::LinkLabel* Label61;
};
ForumBanner MakeForumBanner(QWidget* screen, platform::Platform& platform, QRect frame,
                            QRect label);

// Two link labels on the same spot; whichever is in front is the one seen. lblCobrand
// opens the co-branding offer, lblFullBrand the full-branding one.
struct BrandBanner {
    QGroupBox* fraFullBrand;
    platform::LinkLabel* lblCobrand;
    platform::LinkLabel* lblFullBrand;
};
BrandBanner MakeBrandBanner(QWidget* screen, platform::Platform& platform, QRect frame);

} // namespace ui
