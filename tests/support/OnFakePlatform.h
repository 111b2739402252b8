#pragma once
// The base of a test class whose every test function starts from a fresh recording
// platform and a fresh subject made on it: a screen, or the whole lifecycle.

#include "support/FakePlatform.h"
#include "support/ScreenTesting.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include <memory>

namespace testing {

// Qt Test finds init() and cleanup() here; moc takes no templates, hence two classes.
class FreshForEveryTest : public QObject {
    Q_OBJECT

private slots:
    void init() { Make(); }
    void cleanup() { Unmake(); }

private:
    virtual void Make() = 0;
    virtual void Unmake() = 0;
};

template <typename Subject> class OnFakePlatform : public FreshForEveryTest {
protected:
    // What every test expects done to the new subject first: loaded, shown...
    virtual void Prepare() {}

    // A control of the screen under test, by its name.
    template <typename T> T* child(const char* name) { return Child<T>(subject.get(), name); }

    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<Subject> subject;

private:
    void Make() final {
        fake = std::make_unique<FakePlatform>();
        subject = std::make_unique<Subject>(*fake);
        Prepare();
    }
    void Unmake() final {
        subject.reset();
        fake.reset();
        // Screens the subject let go of are deleted later; not in the next test.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

} // namespace testing
