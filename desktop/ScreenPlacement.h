#pragma once
// Centres a screen on its first showing and puts it back where it stood on every later
// one, before it maps. Where the frame is known only once the window manager has put it
// around the window, the place is set again then, so that the title bar counts too.
//
// The place is kept here rather than left to the window system: a manager that withdraws a
// hidden window leaves it where its frame stood (mutter does), which would show it a title
// bar higher the next time.

#include <QElapsedTimer>
#include <QObject>
#include <QRect>
#include <QTimer>

#include <optional>

class QWidget;

namespace desktop {

class ScreenPlacement : public QObject {
public:
    explicit ScreenPlacement(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceBeforeMapping();
    void PlaceOnceFramed();
    void RememberWhereItStood();
    QSize ClientSize() const;
    QRect Available(const QMargins& frame) const;

    QWidget* window_;
    QTimer frameWatch_;
    QElapsedTimer waited_;
    QElapsedTimer framed_;
    bool placedOnce_ = false;
    // The client area where the window stood when it was last on screen.
    std::optional<QRect> stood_;
};

} // namespace desktop
