#include "look/ScreenLook.h"

#include "resources/Resources.h"

#include <QEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPixmap>
#include <QPixmapCache>
#include <QTimer>
#include <QWidget>

#include <map>

namespace look {

int Px(int twips) {
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

QRect TwipsRect(int left, int top, int width, int height) {
    return {Px(left), Px(top), Px(width), Px(height)};
}

QSize TwipsSize(int width, int height) {
    return {Px(width), Px(height)};
}

namespace {

// Installed under that very name: hasFamily() would count fontconfig's aliases, and there
// "Verdana" is whatever fontconfig answers for it.
bool Installed(const QString& family) {
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

// "Sans Serif" and its kind name no font: fontconfig picks one for them, maybe a
// monospace one.
bool IsGenericName(const QString& family) {
    static const QStringList generic{QStringLiteral("Sans Serif"), QStringLiteral("Sans"),
                                     QStringLiteral("sans-serif"), QStringLiteral("Serif"),
                                     QStringLiteral("Monospace")};
    return generic.contains(family, Qt::CaseInsensitive);
}

// The family a screen font is drawn in, and whether it names an installed font: a generic
// name leaves fontconfig a choice to make.
struct Family {
    QString name;
    bool installed;
};

// Where Verdana and MS Sans Serif are missing, as on every Linux desktop: the desktop's own
// sans-serif, then the common ones. Fontconfig's first answer can be a monospace font
// (where only Liberation fonts are installed), so a fixed-pitch desktop font is passed by.
Family StandIn() {
    QStringList candidates;
    const QString desktop = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    if (!IsGenericName(desktop) && !QFontDatabase::isFixedPitch(desktop))
        candidates << desktop;
    candidates << QStringLiteral("DejaVu Sans") << QStringLiteral("Noto Sans")
               << QStringLiteral("Liberation Sans") << QStringLiteral("Cantarell")
               << QStringLiteral("Arial");
    for (const QString& family : candidates) {
        if (Installed(family))
            return {family, true};
    }
    return {desktop, Installed(desktop)};
}

// Chosen once for each family a screen asks for, from the font database, so no font has to
// go through fontconfig's fallback matching at start-up, and the list of installed families,
// long where many fonts are, is read only a few times.
const Family& FamilyFor(const QString& wanted) {
    static std::map<QString, Family> chosen;
    auto known = chosen.find(wanted);
    if (known == chosen.end()) {
        static const Family standIn = StandIn();
        known = chosen.emplace(wanted, Installed(wanted) ? Family{wanted, true} : standIn).first;
    }
    return known->second;
}

} // namespace

QFont ScreenFont(const QString& family, double points, bool bold, bool underline) {
    const Family& chosen = FamilyFor(family);
    QFont font(chosen.name);
    // On an installed family the hint changes nothing drawn, yet it would keep the font
    // from sharing the font engine the desktop's own font has already loaded.
    if (!chosen.installed)
        font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void SetColours(QWidget* widget, ColourRoles colours) {
    QPalette palette = widget->palette();
    for (const auto& [role, colour] : colours)
        palette.setColor(role, colour);
    widget->setPalette(palette);
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    SetColours(
        widget,
        {{QPalette::WindowText, colour}, {QPalette::Text, colour}, {QPalette::ButtonText, colour}});
}

void SetFaceColour(QWidget* widget, const QColor& background, const QColor& text) {
    SetColours(widget, {{QPalette::Window, background},
                        {QPalette::Base, background},
                        {QPalette::Button, background},
                        {QPalette::WindowText, text},
                        {QPalette::Text, text},
                        {QPalette::ButtonText, text}});
    widget->setAutoFillBackground(true);
}

// Every role of every colour group set, from a light desktop's colours, so that a dark
// desktop's palette fills in none of them: captions, menu-bar titles, selections, greyed
// entries and placeholders keep the contrast they have on a light desktop.
QPalette CompletePalette() {
    QPalette palette(PlainFace, PlainFace);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::AlternateBase, QColor(245, 245, 245));
    palette.setColor(QPalette::Highlight, QColor(48, 140, 198));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, QColor(0, 0, 255));
    palette.setColor(QPalette::LinkVisited, QColor(255, 0, 255));
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 220));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    palette.setColor(QPalette::PlaceholderText, QColor(0, 0, 0, 128));
    palette.setColor(QPalette::BrightText, Qt::white);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(120, 120, 120));
    return palette;
}

void ApplyScreenLook(QWidget* screen) {
    screen->setPalette(CompletePalette());
    SetColours(screen, {{QPalette::Window, ScreenBackground},
                        {QPalette::WindowText, Qt::white},
                        {QPalette::Base, ScreenBackground},
                        {QPalette::Text, Qt::white},
                        {QPalette::Button, ScreenBackground}});
    screen->setAutoFillBackground(true);
    screen->setFont(Verdana());
    // The style caches what it draws under the palette's key, and a screen built afresh
    // has a palette of its own: once the screen is gone, its entries are of no more use,
    // and the pixmap cache would keep their keys for as long as the program runs.
    QObject::connect(screen, &QObject::destroyed, [] { QPixmapCache::clear(); });
}

namespace {

// Reading the icon's images and handing them to the window system costs about as much as
// laying out the whole screen, and nothing shows the icon before the window is up: it
// follows the first frame. It is the application's, one for every screen: each icon of
// its own would leave entries in Qt's pixmap cache that are never taken out again.
class IconAfterFirstFrame : public QObject {
public:
    explicit IconAfterFirstFrame(QWidget* screen) : QObject(screen), screen_(screen) {
        screen->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            screen_->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                if (QGuiApplication::windowIcon().isNull())
                    QGuiApplication::setWindowIcon(ApplicationIcon());
                deleteLater();
            });
        }
        return false;
    }

private:
    QWidget* screen_;
};

} // namespace

void SetScreenTitle(QWidget* screen, const QString& title) {
    screen->setWindowTitle(title);
    if (QGuiApplication::windowIcon().isNull())
        new IconAfterFirstFrame(screen);
}

QString CaptionText(const QString& caption) {
    QString text;
    text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        text += caption[i];
    }
    return text;
}

// The title bar and the task switcher take the small sizes; the desktop finds the large
// ones in the installed icon theme. Every size given here is read and sent to the window
// system when a window first shows, so the large ones would only slow the start.
constexpr int LargestWindowIcon = 64;

QIcon ApplicationIcon() {
    resources::Initialize();
    QIcon icon;
    for (int size : resources::ApplicationIconSizes) {
        if (size <= LargestWindowIcon)
            icon.addFile(resources::ApplicationIconPath(size), QSize(size, size));
    }
    return icon;
}

QPixmap ApplicationPixmap(int size) {
    resources::Initialize();
    int source = 0;
    for (int available : resources::ApplicationIconSizes) {
        source = available;
        if (available >= size)
            break;
    }
    const QPixmap image(resources::ApplicationIconPath(source));
    return source == size ? image
                          : image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace look
