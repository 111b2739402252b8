#include "Windowing.h"

#include "Resources.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace platform {

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

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

void SetFaceColour(QWidget* widget, const QColor& background, const QColor& text) {
    QPalette palette = widget->palette();
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, background);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void ApplyScreenLook(QWidget* screen, const QString& title) {
    QPalette palette = screen->palette();
    palette.setColor(QPalette::Window, ScreenBackground);
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Base, ScreenBackground);
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::Button, ScreenBackground);
    screen->setPalette(palette);
    screen->setAutoFillBackground(true);
    screen->setFont(Verdana(8.25));
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

QGroupBox* MakeFrame(QWidget* parent, const char* name, const QString& caption, QRect rect) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(rect);
    frame->setFont(Verdana(8.25, !caption.isEmpty()));
    return frame;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect rect,
                  const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(rect);
    label->setFont(font);
    return label;
}

LinkLabel* MakeLinkLabel(QWidget* parent, const char* name, const QString& text, QRect rect,
                         const QFont& font, const QColor& colour) {
    auto* label = new LinkLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setText(text);
    label->setGeometry(rect);
    label->setFont(font);
    platform::SetTextColour(label, colour);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect rect) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(rect);
    button->setFont(Verdana(8.25));
    button->setAutoDefault(false);
    return button;
}

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
    setWordWrap(true);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace platform
