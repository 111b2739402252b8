#pragma once
// The look every screen shares: twips for positions, the fonts, the light blue background,
// palettes, the screen title and the application icon.

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPalette>
#include <QRect>

#include <initializer_list>
#include <utility>

class QWidget;

namespace look {

// 1440 twips to the inch at 96 logical pixels to the inch; Qt scales for high DPI.
constexpr int TwipsPerPixel = 15;
int Px(int twips);
QRect TwipsRect(int left, int top, int width, int height);
QSize TwipsSize(int width, int height);

inline const QColor ScreenBackground{124, 165, 231};
// The face of a plain button, as on a light desktop.
inline const QColor PlainFace{240, 240, 240};

// The screens' default size: Verdana 8.25 pt.
constexpr double DefaultPoints = 8.25;

QFont ScreenFont(const QString& family, double points, bool bold = false, bool underline = false);
inline QFont Verdana(double points = DefaultPoints, bool bold = false, bool underline = false) {
    return ScreenFont(QStringLiteral("Verdana"), points, bold, underline);
}

// Sets each role to its colour in every colour group of the widget's palette.
using ColourRoles = std::initializer_list<std::pair<QPalette::ColorRole, QColor>>;
void SetColours(QWidget* widget, ColourRoles colours);
// The colour of every kind of text the widget draws.
void SetTextColour(QWidget* widget, const QColor& colour);
// A surface of its own: background and text of the widget, its boxes and buttons.
void SetFaceColour(QWidget* widget, const QColor& background, const QColor& text);

// Light blue background, white text, Verdana 8.25 pt, black button captions; every
// colour the screen's controls use is its own, whatever the desktop's palette.
void ApplyScreenLook(QWidget* screen);
// The caption in the title bar, and the application icon beside it from the first frame on.
void SetScreenTitle(QWidget* screen, const QString& title);

// A caption's access-key markers turned into the text a label shows: "&&" is one "&".
QString CaptionText(const QString& caption);

QIcon ApplicationIcon();
QPixmap ApplicationPixmap(int size);

} // namespace look
