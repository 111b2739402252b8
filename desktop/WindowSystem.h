#pragma once
// Which window system the application runs on, and whether a window's size is fixed: what
// every part of the window behaviour asks first.

#include <QGuiApplication>
#include <QWidget>

namespace desktop {

inline bool OnX11() {
    return QGuiApplication::platformName().startsWith(QLatin1String("xcb"));
}

inline bool OnWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

inline bool IsFixed(const QWidget* window) {
    return window->minimumSize() == window->maximumSize();
}

} // namespace desktop
