#pragma once
// Small helpers for tests that drive real screens offscreen.

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace testing {

// The control with this object name; a missing one stops the test program at once.
template <typename T> T* Child(const QObject* root, const char* name) {
    T* found = root->findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no control named %s", name);
    return found;
}

// Shows the screen and makes it the active window, so focus and keys reach it.
inline bool ShowActive(QWidget* screen) {
    screen->show();
    screen->activateWindow();
    return QTest::qWaitForWindowActive(screen);
}

} // namespace testing
