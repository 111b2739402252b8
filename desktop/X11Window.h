#pragma once
// A window as the X server knows it, for the one question Qt offers no call for: the frame
// the window manager will put around the window, asked before the window first maps.

#include <QMargins>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <optional>

class QWindow;

namespace desktop {

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

} // namespace desktop
