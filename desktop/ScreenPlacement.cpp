#include "desktop/ScreenPlacement.h"

#include "desktop/Geometry.h"
#include "desktop/WindowSystem.h"
#include "desktop/X11Window.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace desktop {

namespace {

// A window manager frames a new window at once; one that has not within the wait draws no
// frame. The frame comes with no event of its own, so it is looked for. The wait is the
// clock's: on a loaded machine the polls come late.
constexpr int FramePollMs = 20;
constexpr int FrameWaitMs = 10000;
// A manager may tell the window where it put it only after the window is framed and
// exposed (openbox at times does), so the place is held a little longer than that.
constexpr int SettleMs = 500;

} // namespace

ScreenPlacement::ScreenPlacement(QWidget* window) : QObject(window), window_(window) {
    window->installEventFilter(this);
    connect(&frameWatch_, &QTimer::timeout, this, &ScreenPlacement::PlaceOnceFramed);
}

bool ScreenPlacement::eventFilter(QObject*, QEvent* event) {
    if (event->spontaneous())
        return false;
    if (event->type() == QEvent::Show)
        PlaceBeforeMapping();
    else if (event->type() == QEvent::Hide)
        RememberWhereItStood();
    return false;
}

// A window hidden before it had a size of its own is placed afresh when it shows again.
void ScreenPlacement::RememberWhereItStood() {
    const QRect geometry = window_->geometry();
    stood_ = geometry.isValid() ? std::optional(geometry) : std::nullopt;
}

// The size is the fixed one the screen asks for, not whatever the window system reports
// on its way to the first frame.
QSize ScreenPlacement::ClientSize() const {
    return IsFixed(window_) ? window_->minimumSize() : window_->size();
}

// The screen less its panels; with no screen at all, the window's own framed area, so that
// it stays where it is.
QRect ScreenPlacement::Available(const QMargins& frame) const {
    const QScreen* screen =
        window_->screen() ? window_->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry()
                  : QRect(window_->pos(), ClientSize()).marginsAdded(frame);
}

void ScreenPlacement::PlaceBeforeMapping() {
    // Only a first showing needs the frame, which costs the window manager a question.
    QMargins frame;
    if (!stood_) {
        if (const std::optional<X11Window> x11 = X11Window::Of(window_->windowHandle()))
            frame = x11->FrameExtentsInAdvance();
    }
    stood_ = ClientAreaOnShowing(stood_, ClientSize(), frame, Available(frame));
    if (window_->geometry() != *stood_)
        window_->setGeometry(*stood_);
    waited_.start();
    framed_.invalidate();
    frameWatch_.start(FramePollMs);
}

// Framed and on screen: the manager has taken the window in, and reads a new place as it
// will from then on.
void ScreenPlacement::PlaceOnceFramed() {
    const QWindow* handle = window_->windowHandle();
    const QMargins frame = UsableFrame(handle ? handle->frameMargins() : QMargins());
    const bool framed = !frame.isNull() && handle && handle->isExposed();
    if (framed) {
        if (!placedOnce_)
            stood_ = CentredClientArea(ClientSize(), frame, Available(frame));
        // Set even where Qt believes the window is there already: a manager may have placed
        // it elsewhere before Qt heard of it.
        window_->setGeometry(*stood_);
        if (!framed_.isValid())
            framed_.start();
    }
    if ((framed && framed_.hasExpired(SettleMs)) || waited_.hasExpired(FrameWaitMs)) {
        frameWatch_.stop();
        placedOnce_ = true;
    }
}

} // namespace desktop
