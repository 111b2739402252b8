#include "desktop/FixedWindowWatch.h"

#include "desktop/FixedSizeKeeper.h"
#include "desktop/WindowSystem.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace desktop {

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

} // namespace desktop
