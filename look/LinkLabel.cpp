#include "look/LinkLabel.h"

#include <QMouseEvent>

namespace look {

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
    setWordWrap(true);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    QLabel::mousePressEvent(event);
    pressed_ = event->button() == Qt::LeftButton;
}

// The second press of a double click starts no click of its own: one double click opens
// one page.
void LinkLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    pressed_ = false;
}

// A release outside the label is how a user takes back a press.
void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}

} // namespace look
