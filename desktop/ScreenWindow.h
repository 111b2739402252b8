#pragma once
// How a screen stands on the desktop, on X11 and on Wayland alike: its fixed size, which
// no maximize, full screen or resize of the window manager's changes for long; its place,
// centred with its frame on the first showing and where it stood on every later one; for
// the screens that ask, above the windows that come over it; and its close box, which only
// asks.
//
// X11 window managers and Wayland compositors each honour a different part of what a
// program asks; what one does not honour is undone here once it has happened.

#include <QSize>

#include <functional>

class QApplication;
class QWidget;

namespace desktop {

enum class Stacking { Normal, AboveOthers };

// A top-level window with a title and a close button only, of the given client size (an
// invalid size leaves it to the window's layout). Its window role is its object name, which
// tells the screens apart for the window manager.
void MakeScreenWindow(QWidget* window, const QSize& clientSize,
                      Stacking stacking = Stacking::Normal);

// The window's close box only asks: the window stays, and whoever decides when it goes
// hears of the request.
void AskInsteadOfClosing(QWidget* window, std::function<void()> ask);

// Every window of the application whose size is fixed, message boxes included, goes
// straight back to that size when a window manager maximizes it, makes it full screen or
// resizes it.
void KeepFixedWindowsFixed(QApplication& application);

} // namespace desktop
