#include "WaylandWindows.h"

#include <QApplication>
#include <QLayout>
#include <QTimer>
#include <QWidget>

namespace platform {

namespace {

constexpr const char* DesignedSizeProperty = "designedSize";
constexpr Qt::WindowStates EnlargedStates = Qt::WindowMaximized | Qt::WindowFullScreen;

bool Enlarged(const QWidget* window) {
    return window->windowState() & EnlargedStates;
}

QSize DesignedSize(const QWidget* window) {
    return window->property(DesignedSizeProperty).toSize();
}

// A fixed size becomes a least size: the window may follow a maximize, and is brought back.
// A message box fixes its size while it shows, so this runs once it is up.
void Release(QWidget* window) {
    if (window->minimumSize() != window->maximumSize() || DesignedSize(window).isValid())
        return;
    window->setProperty(DesignedSizeProperty, window->size());
    if (QLayout* layout = window->layout();
        layout && layout->sizeConstraint() == QLayout::SetFixedSize)
        layout->setSizeConstraint(QLayout::SetMinimumSize);
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

class FixedWindowKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWidget*>(watched);
        if (!window || !window->isWindow() || window->windowType() == Qt::Popup ||
            window->windowType() == Qt::ToolTip)
            return false;
        switch (event->type()) {
        case QEvent::Show:
            QTimer::singleShot(0, window, [window] { Release(window); });
            break;
        case QEvent::WindowStateChange:
            if (DesignedSize(window).isValid() && Enlarged(window))
                QTimer::singleShot(0, window, [window] {
                    window->setWindowState(window->windowState() & ~EnlargedStates);
                });
            break;
        case QEvent::Resize:
            if (DesignedSize(window).isValid() && !Enlarged(window) &&
                window->size() != DesignedSize(window))
                QTimer::singleShot(0, window, [window] {
                    if (!Enlarged(window))
                        window->resize(DesignedSize(window));
                });
            break;
        default:
            break;
        }
        return false;
    }
};

} // namespace

void KeepFixedWindowsWholeOnWayland(QApplication& application) {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        application.installEventFilter(new FixedWindowKeeper(&application));
}

} // namespace platform
