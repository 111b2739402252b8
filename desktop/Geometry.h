#pragma once
// The arithmetic of where a screen stands and what size it keeps, apart from any window:
// what the placement and the fixed-size keeper decide, given what the window system says;
// and the questions each part asks first: which window system, and is the size fixed.

#include <QMargins>
#include <QRect>
#include <QSize>

#include <optional>

class QWidget;

namespace desktop {

bool OnX11();
bool OnWayland();
bool IsFixed(const QWidget* window);

// The frame a window manager reports, or none: until a window is reparented into its frame,
// Qt can read a frame of negative size.
QMargins UsableFrame(const QMargins& reported);

// The client area of the given size that puts the window, with its frame, in the middle of
// the available area (the screen less its panels).
QRect CentredClientArea(const QSize& clientSize, const QMargins& frame, const QRect& available);

// Where the client area goes as the window shows: where it stood when it was last hidden,
// the user's moves included; on its first showing, centred with its frame.
QRect ClientAreaOnShowing(const std::optional<QRect>& stood, const QSize& clientSize,
                          const QMargins& frame, const QRect& available);

// Maximized and full screen: the states a fixed-size window is taken out of again. A
// minimized window keeps its size, and is left alone.
constexpr Qt::WindowStates EnlargedStates = Qt::WindowMaximized | Qt::WindowFullScreen;

bool IsEnlarged(Qt::WindowStates states);

// A fixed-size window at another size, in no enlarged state (a window manager's resize, or
// what a full screen left behind), goes back to its own size. One still enlarged is first
// taken out of that state.
bool NeedsSizePutBack(const QSize& size, const QSize& fixedSize, Qt::WindowStates states);

} // namespace desktop
