#include "desktop/ScreenWindow.h"

#include "desktop/CloseRequest.h"
#include "desktop/FixedWindowWatch.h"
#include "desktop/ScreenPlacement.h"
#include "desktop/WindowSystem.h"

#include <QApplication>
#include <QLayout>
#include <QWidget>

namespace desktop {

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
    if (!OnWayland())
        new ScreenPlacement(window);
}

void AskInsteadOfClosing(QWidget* window, std::function<void()> ask) {
    new CloseRequest(window, std::move(ask));
}

void KeepFixedWindowsFixed(QApplication& application) {
    application.installEventFilter(new FixedWindowWatch(&application));
}

} // namespace desktop
