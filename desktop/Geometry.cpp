#include "desktop/Geometry.h"

#include <QGuiApplication>
#include <QWidget>

namespace desktop {

bool OnX11() {
    return QGuiApplication::platformName().startsWith(QLatin1String("xcb"));
}

bool OnWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool IsFixed(const QWidget* window) {
    return window->minimumSize() == window->maximumSize();
}

QMargins UsableFrame(const QMargins& reported) {
    const bool framed = reported.left() >= 0 && reported.top() >= 0 && reported.right() >= 0 &&
                        reported.bottom() >= 0 && !reported.isNull();
    return framed ? reported : QMargins();
}

QRect CentredClientArea(const QSize& clientSize, const QMargins& frame, const QRect& available) {
    QRect framed = QRect(QPoint(), clientSize).marginsAdded(frame);
    framed.moveCenter(available.center());
    return framed.marginsRemoved(frame);
}

QRect ClientAreaOnShowing(const std::optional<QRect>& stood, const QSize& clientSize,
                          const QMargins& frame, const QRect& available) {
    return stood ? *stood : CentredClientArea(clientSize, frame, available);
}

bool IsEnlarged(Qt::WindowStates states) {
    return states & EnlargedStates;
}

bool NeedsSizePutBack(const QSize& size, const QSize& fixedSize, Qt::WindowStates states) {
    return size != fixedSize && !IsEnlarged(states);
}

} // namespace desktop
