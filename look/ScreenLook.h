#pragma once
// The look every screen shares: twips for positions, the light blue background, fixed-size
// centred windows, link labels and the application icon.

#include <QColor>
#include <QFont>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QRect>

namespace platform {

// 1440 twips to the inch at 96 logical pixels to the inch; Qt scales for high DPI.
constexpr int TwipsPerPixel = 15;
int Px(int twips);
QRect TwipsRect(int left, int top, int width, int height);
QSize TwipsSize(int width, int height);

inline const QColor ScreenBackground{124, 165, 231};

QFont ScreenFont(const QString& family, double points, bool bold = false, bool underline = false);
inline QFont Verdana(double points, bool bold = false, bool underline = false) {
    return ScreenFont(QStringLiteral("Verdana"), points, bold, underline);
}

// Light blue background, white text, Verdana 8.25 pt, screen title and icon.
void ApplyScreenLook(QWidget* screen, const QString& title);
void SetTextColour(QWidget* widget, const QColor& colour);
void SetFaceColour(QWidget* widget, const QColor& background, const QColor& text);

// Title and close button only, so the fixed size cannot be minimised or maximised, and
// centred on the screen the first time it is shown. An invalid size leaves the size to
// the window's layout.
void MakeFixedWindow(QWidget* window, const QSize& clientSize);

// A caption's access-key markers turned into the text a label shows: "&&" is one "&".
QString CaptionText(const QString& caption);

// Controls named for the tests, placed in twips, with the fonts the screens share.
QGroupBox* MakeFrame(QWidget* parent, const char* name, const QString& caption, QRect rect);
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect rect,
                  const QFont& font);
class LinkLabel;
LinkLabel* MakeLinkLabel(QWidget* parent, const char* name, const QString& text, QRect rect,
                         const QFont& font, const QColor& colour);
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect rect);

QIcon ApplicationIcon();
QPixmap ApplicationPixmap(int size);

// A label that opens something on a single click and shows a pointing hand.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace platform
