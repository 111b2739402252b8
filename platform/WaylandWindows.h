#pragma once
// Fixed-size windows that Wayland cannot break.
//
// On Wayland Qt draws the title bar itself, with a maximize button on every window, the
// fixed-size ones and the message boxes included; a compositor that maximizes a window
// whose size cannot follow ends the program with a protocol error. There every fixed-size
// window therefore takes whatever size it is given, and goes straight back to its own.

class QApplication;

namespace platform {

// Watches every window of the application; does nothing on other platforms.
void KeepFixedWindowsWholeOnWayland(QApplication& application);

} // namespace platform
