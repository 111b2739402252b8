#pragma once
// Controls placed in twips with the screens' shared fonts, and the two banners that the
// main and the result screen both carry.

#include "Windowing.h"

#include <QGroupBox>
#include <QPushButton>

namespace ui {

QGroupBox* MakeFrame(QWidget* parent, const char* name, const QString& caption, QRect rect);
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect rect,
                  const QFont& font);
platform::LinkLabel* MakeLinkLabel(QWidget* parent, const char* name, const QString& text,
                                   QRect rect, const QFont& font, const QColor& colour);
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect rect);

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
