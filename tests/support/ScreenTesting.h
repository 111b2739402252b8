#pragma once
// Small helpers for tests that drive real screens offscreen.

#include <QApplication>
#include <QLineEdit>
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

// The names as a paste would leave them in the main screen's boxes; the middle one empty.
inline void EnterNames(const QObject* main, const QString& first, const QString& last) {
    Child<QLineEdit>(main, "txtFirstName")->setText(first);
    Child<QLineEdit>(main, "txtLastName")->setText(last);
}

// The referral form's boxes, by default filled as a valid referral.
struct Referral {
    QString name = "Ann", email = "ann@example.org";
    QString friendName = "Bob", friendEmail = "bob@example.org";
};
inline void FillReferral(const QObject* farewell, const Referral& r = {}) {
    Child<QLineEdit>(farewell, "txtName")->setText(r.name);
    Child<QLineEdit>(farewell, "txtEmail")->setText(r.email);
    Child<QLineEdit>(farewell, "txtFriendName")->setText(r.friendName);
    Child<QLineEdit>(farewell, "txtFriendEmail")->setText(r.friendEmail);
}

} // namespace testing

Q_DECLARE_METATYPE(testing::Referral)
