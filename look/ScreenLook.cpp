#include "ScreenLook.h"

#include "Resources.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

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

QFont ScreenFont(const QString& family, double points, bool bold, bool underline) {
    QFont font(family);
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

void ApplyScreenLook(QWidget* screen) {
    SetColours(screen, {{QPalette::Window, ScreenBackground},
                        {QPalette::WindowText, Qt::white},
                        {QPalette::Base, ScreenBackground},
                        {QPalette::Text, Qt::white},
                        {QPalette::Button, ScreenBackground}});
    screen->setAutoFillBackground(true);
    screen->setFont(Verdana());
}

void SetScreenTitle(QWidget* screen, const QString& title) {
    screen->setWindowTitle(title);
    screen->setWindowIcon(ApplicationIcon());
}

namespace {

void CentreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

// Centres its window when it is first shown, then leaves.
class CentreOnFirstShow : public QObject {
public:
    explicit CentreOnFirstShow(QWidget* window) : QObject(window) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            CentreOnScreen(static_cast<QWidget*>(watched));
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

} // namespace

void MakeFixedWindow(QWidget* window, const QSize& clientSize) {
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint);
    if (clientSize.isValid())
        window->setFixedSize(clientSize);
    // Tells the screens apart for the window manager (and a session manager) on X11.
    window->setWindowRole(window->objectName());
    new CentreOnFirstShow(window);
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

QIcon ApplicationIcon() {
    resources::Initialize();
    QIcon icon;
    for (int size : resources::ApplicationIconSizes)
        icon.addFile(resources::ApplicationIconPath(size), QSize(size, size));
    return icon;
}

QPixmap ApplicationPixmap(int size) {
    return ApplicationIcon().pixmap(size, size);
}

} // namespace look
