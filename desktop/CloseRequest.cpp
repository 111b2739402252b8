#include "desktop/CloseRequest.h"

#include <QEvent>
#include <QWidget>

namespace desktop {

CloseRequest::CloseRequest(QWidget* window, std::function<void()> ask)
    : QObject(window), ask_(std::move(ask)) {
    window->installEventFilter(this);
}

bool CloseRequest::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::Close)
        return false;
    event->ignore();
    ask_();
    return true;
}

} // namespace desktop
