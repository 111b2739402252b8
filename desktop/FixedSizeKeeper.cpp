#include "desktop/FixedSizeKeeper.h"

#include "desktop/Geometry.h"

#include <QEvent>
#include <QLayout>
#include <QWidget>
#include <QWindow>

namespace desktop {

namespace {

// A compositor answers at once; one that has not within the wait ignored the request. The
// wait is generous: fixed again before a late answer, the window could not follow the
// maximize when it came.
constexpr int CompositorWaitMs = 5000;

} // namespace

FixedSizeKeeper::FixedSizeKeeper(QWidget* window, QWindow* handle)
    : QObject(handle), window_(window), handle_(handle), size_(window->size()),
      normal_(window->geometry()) {
    connect(handle, &QWindow::windowStateChanged, this, &FixedSizeKeeper::StateChanged);
    window->installEventFilter(this);
    compositorWait_.setSingleShot(true);
    compositorWait_.setInterval(CompositorWaitMs);
    connect(&compositorWait_, &QTimer::timeout, this, &FixedSizeKeeper::Fix);
    LetCompositorSizesThrough();
}

bool FixedSizeKeeper::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Resize || event->type() == QEvent::Move)
        GeometryChanged();
    return false;
}

bool FixedSizeKeeper::IsEnlargedNow() const {
    return IsEnlarged(handle_->windowStates());
}

// An enlargement is undone at once. On Wayland the window may meanwhile take any size, as
// it is not known yet whether the compositor follows a maximize Qt asked for. Back in no
// enlarged state, the size the manager left it at may not be its own.
void FixedSizeKeeper::StateChanged(Qt::WindowState state) {
    if (IsEnlarged(state)) {
        if (OnWayland() && !released_)
            Release();
        QTimer::singleShot(0, this, &FixedSizeKeeper::UndoEnlargement);
    } else if (!released_) {
        PutBackSize();
    }
}

void FixedSizeKeeper::GeometryChanged() {
    if (!released_) {
        if (window_->size() == size_ && !IsEnlargedNow())
            normal_ = window_->geometry();
        else
            PutBackSize();
        return;
    }
    // The compositor has answered Qt's maximize, or has given another size meanwhile.
    compositorWait_.stop();
    if (!IsEnlargedNow())
        Fix();
    else
        QTimer::singleShot(0, this, &FixedSizeKeeper::UndoEnlargement);
}

// Another size in no enlarged state goes back to the fixed one where the window last stood
// with it, once the change in hand is through: a manager may not have put the window back
// from full screen yet.
void FixedSizeKeeper::PutBackSize() {
    if (!NeedsSizePutBack(window_->size(), size_, handle_->windowStates()))
        return;
    QTimer::singleShot(0, this, [this] {
        if (released_ || !NeedsSizePutBack(window_->size(), size_, handle_->windowStates()))
            return;
        if (normal_.isValid())
            window_->setGeometry(normal_);
        else
            window_->resize(size_);
    });
}

void FixedSizeKeeper::UndoEnlargement() {
    handle_->setWindowStates(handle_->windowStates() & ~EnlargedStates);
}

// A window whose layout fixes its size has it fixed again by every layout pass.
void FixedSizeKeeper::Release() {
    released_ = true;
    if (QLayout* layout = window_->layout();
        layout && layout->sizeConstraint() == QLayout::SetFixedSize) {
        layout->setSizeConstraint(QLayout::SetMinimumSize);
        layoutFixed_ = true;
    }
    window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    compositorWait_.start();
}

void FixedSizeKeeper::Fix() {
    UndoEnlargement();
    released_ = false;
    compositorWait_.stop();
    window_->setFixedSize(size_);
    if (layoutFixed_)
        window_->layout()->setSizeConstraint(QLayout::SetFixedSize);
    LetCompositorSizesThrough();
}

// Qt keeps a fixed window at its size whatever a Wayland compositor asks, and says nothing;
// the compositor keeps the frame it asked for (sway's "resize set" leaves the form in a
// corner of a larger frame) until the window commits another size. One pixel of width to
// spare lets the compositor's size through, to be put back like any other; the height
// stays fixed, so sway still floats the window.
void FixedSizeKeeper::LetCompositorSizesThrough() {
    if (OnWayland())
        handle_->setMaximumSize(size_ + QSize(1, 0));
}

} // namespace desktop
