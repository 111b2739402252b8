#include "desktop/ScreenWindow.h"

#include "desktop/FixedSizeKeeper.h"
#include "desktop/Geometry.h"
#include "desktop/ScreenPlacement.h"

#include <QApplication>
#include <QEvent>
#include <QLayout>
#include <QSet>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace desktop {

namespace {

// A window's close box that only asks: the window stays, and whoever decides when it goes
// hears of the request.
class CloseRequest : public QObject {
public:
    CloseRequest(QWidget* window, std::function<void()> ask);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> ask_;
};

CloseRequest::CloseRequest(QWidget* window, std::function<void()> ask)
    : QObject(window), ask_(std::move(ask)) {
    window->installEventFilter(this);
}

bool CloseRequest::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::Close)
        return false;
    event->ignore();
    ask_();
    return true;
}

// Gives every fixed-size window of the application, message boxes included, its
// FixedSizeKeeper, once, when it first shows.
class FixedWindowWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Watch(QWidget* window);

    QSet<QWindow*> kept_;
};

bool FixedWindowWatch::eventFilter(QObject* watched, QEvent* event) {
    auto* window = qobject_cast<QWidget*>(watched);
    if (event->type() != QEvent::Show || !window || !window->isWindow() ||
        window->windowType() == Qt::Popup || window->windowType() == Qt::ToolTip)
        return false;
    // A message box fixes its size while it shows, so this runs once it is up.
    QTimer::singleShot(0, window, [this, window] { Watch(window); });
    return false;
}

void FixedWindowWatch::Watch(QWidget* window) {
    QWindow* handle = window->windowHandle();
    if (!handle || !IsFixed(window) || kept_.contains(handle))
        return;
    kept_.insert(handle);
    connect(handle, &QObject::destroyed, this, [this, handle] { kept_.remove(handle); });
    new FixedSizeKeeper(window, handle);
}

} // namespace

void MakeScreenWindow(QWidget* window, const QSize& clientSize, Stacking stacking) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (stacking == Stacking::AboveOthers)
        flags |= Qt::WindowStaysOnTopHint;
    window->setWindowFlags(flags);
    if (clientSize.isValid())
        window->setFixedSize(clientSize);
    else if (window->layout())
        window->layout()->setSizeConstraint(QLayout::SetFixedSize);
    window->setWindowRole(window->objectName());
    // Wayland gives a program no say where its windows stand.
    if (!OnWayland())
        new ScreenPlacement(window);
}

void AskInsteadOfClosing(QWidget* window, std::function<void()> ask) {
    new CloseRequest(window, std::move(ask));
}

void KeepFixedWindowsFixed(QApplication& application) {
    application.installEventFilter(new FixedWindowWatch(&application));
}

} // namespace desktop
