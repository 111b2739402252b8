#pragma once
// Watches one fixed-size window and undoes a maximize, full screen or other size.
//
// On Wayland Qt draws the title bar itself, with a maximize button even on a fixed-size
// window. GNOME, KDE and sway refuse to maximize such a window, but a compositor that
// maximizes it anyway (Weston does) ends the program with a protocol error unless the
// window can follow. So once Qt has asked for a maximize, the window may take any size
// until the compositor has answered, and is fixed again afterwards.

#include <QObject>
#include <QRect>
#include <QSize>
#include <QTimer>

class QWidget;
class QWindow;

namespace desktop {

class FixedSizeKeeper : public QObject {
public:
    FixedSizeKeeper(QWidget* window, QWindow* handle);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool IsEnlargedNow() const;
    void StateChanged(Qt::WindowState state);
    void GeometryChanged();
    void PutBackSize();
    void UndoEnlargement();
    void Release();
    void Fix();
    void LetCompositorSizesThrough();

    QWidget* window_;
    QWindow* handle_;
    QSize size_;
    // Where the window last stood at its own size, in no enlarged state.
    QRect normal_;
    QTimer compositorWait_;
    bool released_ = false;
    bool layoutFixed_ = false;
};

} // namespace desktop
