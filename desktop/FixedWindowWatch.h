#pragma once
// Gives every fixed-size window of the application, message boxes included, its
// FixedSizeKeeper, once, when it first shows.

#include <QObject>
#include <QSet>

class QWidget;
class QWindow;

namespace desktop {

class FixedWindowWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Watch(QWidget* window);

    QSet<QWindow*> kept_;
};

} // namespace desktop
