#include "platform/ScreenWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLayout>
#include <QScreen>
#include <QSet>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

namespace platform {

namespace {

bool OnPlatform(const char* name) {
    return QGuiApplication::platformName().startsWith(QLatin1String(name));
}

bool IsFixed(const QWidget* window) {
    return window->minimumSize() == window->maximumSize();
}

// ---- X11: the frame, asked before the window first maps --------------------------------

class X11Window {
public:
    // Null off X11, or for a window that has no X window yet.
    static std::optional<X11Window> Of(QWindow* window) {
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        if (!OnPlatform("xcb") || !x11 || !x11->connection() || !window)
            return std::nullopt;
        xcb_connection_t* connection = x11->connection();
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
        return X11Window(connection, screen->root, static_cast<xcb_window_t>(window->winId()));
    }

    // The frame the window manager will put around the window, asked before it maps
    // (_NET_REQUEST_FRAME_EXTENTS). Null where the manager does not answer that question.
    QMargins FrameExtentsInAdvance() const {
        const xcb_atom_t request = Atom("_NET_REQUEST_FRAME_EXTENTS");
        if (!ManagerSupports(request))
            return {};
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window_;
        message.type = request;
        xcb_send_event(connection_, false, root_,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&message));
        xcb_flush(connection_);
        // A manager answers at once; the wait only bounds one that claims to and does not.
        const xcb_atom_t answer = Atom("_NET_FRAME_EXTENTS");
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < AnswerWaitMs) {
            if (const std::optional<QMargins> extents = FrameExtents(answer))
                return *extents;
            QThread::msleep(2);
        }
        return {};
    }

private:
    static constexpr int AnswerWaitMs = 1000;

    X11Window(xcb_connection_t* connection, xcb_window_t root, xcb_window_t window)
        : connection_(connection), root_(root), window_(window) {}

    xcb_atom_t Atom(const char* name) const {
        const auto cookie = xcb_intern_atom(connection_, false, std::strlen(name), name);
        std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
            xcb_intern_atom_reply(connection_, cookie, nullptr), &std::free);
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }

    using PropertyReply = std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)>;

    PropertyReply Property(xcb_window_t window, xcb_atom_t property, xcb_atom_t type,
                           uint32_t longs) const {
        const auto cookie = xcb_get_property(connection_, false, window, property, type, 0, longs);
        return {xcb_get_property_reply(connection_, cookie, nullptr), &std::free};
    }

    bool ManagerSupports(xcb_atom_t atom) const {
        const PropertyReply supported =
            Property(root_, Atom("_NET_SUPPORTED"), XCB_ATOM_ATOM, 4096);
        if (!supported || supported->format != 32 || atom == XCB_ATOM_NONE)
            return false;
        const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(supported.get()));
        const int count = xcb_get_property_value_length(supported.get()) / 4;
        return std::find(atoms, atoms + count, atom) != atoms + count;
    }

    std::optional<QMargins> FrameExtents(xcb_atom_t frameExtents) const {
        const PropertyReply extents = Property(window_, frameExtents, XCB_ATOM_CARDINAL, 4);
        if (!extents || extents->format != 32 || xcb_get_property_value_length(extents.get()) != 16)
            return std::nullopt;
        // Left, right, top, bottom.
        const auto* sides = static_cast<const uint32_t*>(xcb_get_property_value(extents.get()));
        return QMargins(int(sides[0]), int(sides[2]), int(sides[1]), int(sides[3]));
    }

    xcb_connection_t* connection_;
    xcb_window_t root_;
    xcb_window_t window_;
};

// ---- Place ---------------------------------------------------------------------------

// The frame the window manager has put around the window; null while there is none.
// Until the window is reparented into its frame Qt can read a frame of negative size,
// which counts as none yet.
QMargins FrameMargins(const QWidget* window) {
    const QWindow* handle = window->windowHandle();
    const QMargins margins = handle ? handle->frameMargins() : QMargins();
    const bool framed = margins.left() >= 0 && margins.top() >= 0 && margins.right() >= 0 &&
                        margins.bottom() >= 0 && !margins.isNull();
    return framed ? margins : QMargins();
}

// The client area that puts the window with the given frame in the middle of the available
// area. The size is the fixed one the screen asks for, not whatever the window system
// reports on its way to the first frame.
QRect CentredClientArea(const QWidget* window, const QMargins& frame) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QSize size = IsFixed(window) ? window->minimumSize() : window->size();
    QRect framed = QRect(window->pos(), size).marginsAdded(frame);
    if (screen)
        framed.moveCenter(screen->availableGeometry().center());
    return framed.marginsRemoved(frame);
}

void PlaceClientArea(QWidget* window, const QRect& area) {
    if (window->geometry() != area)
        window->setGeometry(area);
}

// Centres the window on its first showing and puts it back where it stood on every later
// one, before it maps. Where the frame is known only once the window manager has put it
// around the window, the place is set again then, so that the title bar counts too.
//
// The place is kept here rather than left to the window system: a manager that withdraws a
// hidden window leaves it where its frame stood (mutter does), which would show it a title
// bar higher the next time.
class ScreenPlacement : public QObject {
public:
    explicit ScreenPlacement(QWidget* window) : QObject(window), window_(window) {
        window->installEventFilter(this);
        connect(&frameWatch_, &QTimer::timeout, this, &ScreenPlacement::PlaceOnceFramed);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->spontaneous())
            return false;
        if (event->type() == QEvent::Show)
            PlaceBeforeMapping();
        else if (event->type() == QEvent::Hide)
            stood_ = window_->geometry();
        return false;
    }

private:
    // A window manager frames a new window at once; one that has not within the wait
    // draws no frame. The frame comes with no event of its own, so it is looked for. The
    // wait is the clock's: on a loaded machine the polls come late.
    static constexpr int FramePollMs = 20;
    static constexpr int FrameWaitMs = 10000;
    // A manager may tell the window where it put it only after the window is framed and
    // exposed (openbox at times does), so the place is held a little longer than that.
    static constexpr int SettleMs = 500;

    void PlaceBeforeMapping() {
        if (!stood_.isValid()) {
            QMargins frame;
            if (const std::optional<X11Window> x11 = X11Window::Of(window_->windowHandle()))
                frame = x11->FrameExtentsInAdvance();
            stood_ = CentredClientArea(window_, frame);
        }
        PlaceClientArea(window_, stood_);
        waited_.start();
        framed_.invalidate();
        frameWatch_.start(FramePollMs);
    }

    // Framed and on screen: the manager has taken the window in, and reads a new place
    // as it will from then on.
    void PlaceOnceFramed() {
        const QWindow* handle = window_->windowHandle();
        const QMargins frame = FrameMargins(window_);
        const bool framed = !frame.isNull() && handle && handle->isExposed();
        if (framed) {
            if (!placedOnce_)
                stood_ = CentredClientArea(window_, frame);
            // Set even where Qt believes the window is there already: a manager may have
            // placed it elsewhere before Qt heard of it.
            window_->setGeometry(stood_);
            if (!framed_.isValid())
                framed_.start();
        }
        if ((framed && framed_.hasExpired(SettleMs)) || waited_.hasExpired(FrameWaitMs)) {
            frameWatch_.stop();
            placedOnce_ = true;
        }
    }

    QWidget* window_;
    QTimer frameWatch_;
    QElapsedTimer waited_;
    QElapsedTimer framed_;
    bool placedOnce_ = false;
    // The client area where the window stood when it was last on screen.
    QRect stood_;
};

// ---- Size ----------------------------------------------------------------------------

constexpr Qt::WindowStates Enlarged = Qt::WindowMaximized | Qt::WindowFullScreen;

// Watches one fixed-size window and undoes a maximize, full screen or other size.
//
// On Wayland Qt draws the title bar itself, with a maximize button even on a fixed-size
// window. GNOME, KDE and sway refuse to maximize such a window, but a compositor that
// maximizes it anyway (Weston does) ends the program with a protocol error unless the
// window can follow. So once Qt has asked for a maximize, the window may take any size
// until the compositor has answered, and is fixed again afterwards.
class FixedSizeKeeper : public QObject {
public:
    FixedSizeKeeper(QWidget* window, QWindow* handle)
        : QObject(handle), window_(window), handle_(handle), size_(window->size()),
          normal_(window->geometry()) {
        connect(handle, &QWindow::windowStateChanged, this, &FixedSizeKeeper::StateChanged);
        window->installEventFilter(this);
        compositorWait_.setSingleShot(true);
        compositorWait_.setInterval(CompositorWaitMs);
        connect(&compositorWait_, &QTimer::timeout, this, &FixedSizeKeeper::Fix);
        LetCompositorSizesThrough();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Move)
            GeometryChanged();
        return false;
    }

private:
    // A compositor answers at once; one that has not within the wait ignored the request.
    // The wait is generous: fixed again before a late answer, the window could not follow
    // the maximize when it came.
    static constexpr int CompositorWaitMs = 5000;

    bool IsEnlarged() const { return handle_->windowStates() & Enlarged; }

    // An enlargement is undone at once. On Wayland the window may meanwhile take any size,
    // as it is not known yet whether the compositor follows a maximize Qt asked for. Back
    // in no enlarged state, the size the manager left it at may not be its own.
    void StateChanged(Qt::WindowState state) {
        if (Enlarged & state) {
            if (OnPlatform("wayland") && !released_)
                Release();
            QTimer::singleShot(0, this, &FixedSizeKeeper::UndoEnlargement);
        } else if (!released_) {
            PutBackSize();
        }
    }

    void GeometryChanged() {
        if (!released_) {
            if (window_->size() == size_ && !IsEnlarged())
                normal_ = window_->geometry();
            else
                PutBackSize();
            return;
        }
        // The compositor has answered Qt's maximize, or has given another size meanwhile.
        compositorWait_.stop();
        if (!IsEnlarged())
            Fix();
        else
            QTimer::singleShot(0, this, &FixedSizeKeeper::UndoEnlargement);
    }

    // Another size in no enlarged state (a manager's resize, or what a full screen left)
    // goes back to the fixed one where the window last stood with it, once the change in
    // hand is through: a manager may not have put the window back from full screen yet.
    void PutBackSize() {
        if (window_->size() == size_ || IsEnlarged())
            return;
        QTimer::singleShot(0, this, [this] {
            if (released_ || IsEnlarged() || window_->size() == size_)
                return;
            if (normal_.isValid())
                window_->setGeometry(normal_);
            else
                window_->resize(size_);
        });
    }

    void UndoEnlargement() { handle_->setWindowStates(handle_->windowStates() & ~Enlarged); }

    // A window whose layout fixes its size has it fixed again by every layout pass.
    void Release() {
        released_ = true;
        if (QLayout* layout = window_->layout();
            layout && layout->sizeConstraint() == QLayout::SetFixedSize) {
            layout->setSizeConstraint(QLayout::SetMinimumSize);
            layoutFixed_ = true;
        }
        window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        compositorWait_.start();
    }

    void Fix() {
        UndoEnlargement();
        released_ = false;
        compositorWait_.stop();
        window_->setFixedSize(size_);
        if (layoutFixed_)
            window_->layout()->setSizeConstraint(QLayout::SetFixedSize);
        LetCompositorSizesThrough();
    }

    // Qt keeps a fixed window at its size whatever a Wayland compositor asks, and says
    // nothing; the compositor keeps the frame it asked for (sway's "resize set" leaves the
    // form in a corner of a larger frame) until the window commits another size. One pixel
    // of width to spare lets the compositor's size through, to be put back like any other;
    // the height stays fixed, so sway still floats the window.
    void LetCompositorSizesThrough() {
        if (OnPlatform("wayland"))
            handle_->setMaximumSize(size_ + QSize(1, 0));
    }

    QWidget* window_;
    QWindow* handle_;
    QSize size_;
    // Where the window last stood at its own size, in no enlarged state.
    QRect normal_;
    QTimer compositorWait_;
    bool released_ = false;
    bool layoutFixed_ = false;
};

// Gives every fixed-size window of the application its keeper, once, when it first shows.
class FixedWindowWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWidget*>(watched);
        if (event->type() != QEvent::Show || !window || !window->isWindow() ||
            window->windowType() == Qt::Popup || window->windowType() == Qt::ToolTip)
            return false;
        // A message box fixes its size while it shows, so this runs once it is up.
        QTimer::singleShot(0, window, [this, window] { Watch(window); });
        return false;
    }

private:
    void Watch(QWidget* window) {
        QWindow* handle = window->windowHandle();
        if (!handle || !IsFixed(window) || kept_.contains(handle))
            return;
        kept_.insert(handle);
        connect(handle, &QObject::destroyed, this, [this, handle] { kept_.remove(handle); });
        new FixedSizeKeeper(window, handle);
    }

    QSet<QWindow*> kept_;
};

class CloseRequest : public QObject {
public:
    CloseRequest(QWidget* window, std::function<void()> ask)
        : QObject(window), ask_(std::move(ask)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Close)
            return false;
        event->ignore();
        ask_();
        return true;
    }

private:
    std::function<void()> ask_;
};

} // namespace

void MakeScreenWindow(QWidget* window, const QSize& clientSize, Stacking stacking) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (stacking == Stacking::AboveOthers)
        flags |= Qt::WindowStaysOnTopHint;
    window->setWindowFlags(flags);
    if (clientSize.isValid())
        window->setFixedSize(clientSize);
    else if (window->layout())
        window->layout()->setSizeConstraint(QLayout::SetFixedSize);
    window->setWindowRole(window->objectName());
    // Wayland gives a program no say where its windows stand.
    if (!OnPlatform("wayland"))
        new ScreenPlacement(window);
}

void AskInsteadOfClosing(QWidget* window, std::function<void()> ask) {
    new CloseRequest(window, std::move(ask));
}

void KeepFixedWindowsFixed(QApplication& application) {
    application.installEventFilter(new FixedWindowWatch(&application));
}

} // namespace platform
