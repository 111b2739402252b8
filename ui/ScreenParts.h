#pragma once
// The two banners that the main and the result screen both carry.

#include "Windowing.h"

namespace ui {

using platform::MakeButton;
using platform::MakeFrame;
using platform::MakeLabel;
using platform::MakeLinkLabel;

// The forum banner: a frame holding one white link label that opens the home page.
struct ForumBanner {
    QGroupBox* Frame2;
    platform::LinkLabel* Label61;
};
ForumBanner MakeForumBanner(QWidget* screen, QRect frame, QRect label);

// Two link labels on the same spot; whichever is in front is the one seen.
struct BrandBanner {
    QGroupBox* fraFullBrand;
    platform::LinkLabel* lblCobrand;
    platform::LinkLabel* lblFullBrand;
};
BrandBanner MakeBrandBanner(QWidget* screen, QRect frame);

} // namespace ui
