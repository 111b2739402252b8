#include "desktop/ScreenPlacement.h"

#include "desktop/Geometry.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

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

// A manager answers at once; the wait only bounds one that claims to and does not.
constexpr int AnswerWaitMs = 1000;

// A window as the X server knows it, for the one question Qt offers no call for: the frame
// the window manager will put around the window, asked before the window first maps.
class X11Window {
public:
    // Nothing off X11, or for a window that has no X window yet.
    static std::optional<X11Window> Of(QWindow* window);

    // The frame the window manager will put around the window, asked before it maps
    // (_NET_REQUEST_FRAME_EXTENTS). Null where the manager does not answer that question.
    QMargins FrameExtentsInAdvance() const;

private:
    X11Window(xcb_connection_t* connection, xcb_window_t root, xcb_window_t window)
        : connection_(connection), root_(root), window_(window) {}

    using PropertyReply = std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)>;

    xcb_atom_t Atom(const char* name) const;
    PropertyReply Property(xcb_window_t window, xcb_atom_t property, xcb_atom_t type,
                           uint32_t longs) const;
    bool ManagerSupports(xcb_atom_t atom) const;
    std::optional<QMargins> FrameExtents(xcb_atom_t frameExtents) const;

    xcb_connection_t* connection_;
    xcb_window_t root_;
    xcb_window_t window_;
};

std::optional<X11Window> X11Window::Of(QWindow* window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!OnX11() || !x11 || !x11->connection() || !window)
        return std::nullopt;
    xcb_connection_t* connection = x11->connection();
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    return X11Window(connection, screen->root, static_cast<xcb_window_t>(window->winId()));
}

QMargins X11Window::FrameExtentsInAdvance() const {
    const xcb_atom_t request = Atom("_NET_REQUEST_FRAME_EXTENTS");
    if (!ManagerSupports(request))
        return {};
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window_;
    message.type = request;
    xcb_send_event(connection_, false, root_,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection_);
    const xcb_atom_t answer = Atom("_NET_FRAME_EXTENTS");
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < AnswerWaitMs) {
        if (const std::optional<QMargins> extents = FrameExtents(answer))
            return *extents;
        QThread::msleep(2);
    }
    return {};
}

xcb_atom_t X11Window::Atom(const char* name) const {
    const auto cookie = xcb_intern_atom(connection_, false, std::strlen(name), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection_, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

X11Window::PropertyReply X11Window::Property(xcb_window_t window, xcb_atom_t property,
                                             xcb_atom_t type, uint32_t longs) const {
    const auto cookie = xcb_get_property(connection_, false, window, property, type, 0, longs);
    return {xcb_get_property_reply(connection_, cookie, nullptr), &std::free};
}

bool X11Window::ManagerSupports(xcb_atom_t atom) const {
    const PropertyReply supported = Property(root_, Atom("_NET_SUPPORTED"), XCB_ATOM_ATOM, 4096);
    if (!supported || supported->format != 32 || atom == XCB_ATOM_NONE)
        return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(supported.get()));
    const int count = xcb_get_property_value_length(supported.get()) / 4;
    return std::find(atoms, atoms + count, atom) != atoms + count;
}

std::optional<QMargins> X11Window::FrameExtents(xcb_atom_t frameExtents) const {
    const PropertyReply extents = Property(window_, frameExtents, XCB_ATOM_CARDINAL, 4);
    if (!extents || extents->format != 32 || xcb_get_property_value_length(extents.get()) != 16)
        return std::nullopt;
    // Left, right, top, bottom.
    const auto* sides = static_cast<const uint32_t*>(xcb_get_property_value(extents.get()));
    return QMargins(int(sides[0]), int(sides[2]), int(sides[1]), int(sides[3]));
}

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
