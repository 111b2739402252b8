#include "desktop/X11Window.h"

#include "desktop/WindowSystem.h"

#include <QElapsedTimer>
#include <QThread>
#include <QWindow>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace desktop {

namespace {

// A manager answers at once; the wait only bounds one that claims to and does not.
constexpr int AnswerWaitMs = 1000;

} // namespace

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

} // namespace desktop
