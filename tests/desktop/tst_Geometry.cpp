// Where a screen stands and what size it keeps, apart from any window manager.

#include "desktop/Geometry.h"

#include <QTest>

using namespace desktop;

using OptionalRect = std::optional<QRect>;
Q_DECLARE_METATYPE(OptionalRect)

namespace {

constexpr QSize Form(427, 221);

} // namespace

class GeometryTest : public QObject {
    Q_OBJECT

private slots:
    // The window with its frame, not the client area alone, stands in the middle.
    void centredWithItsFrame_data() {
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<QRect>("available");
        // clang-format off
        QTest::newRow("no frame") << QMargins() << QRect(0, 0, 1280, 800);
        QTest::newRow("a title bar") << QMargins(4, 30, 4, 4) << QRect(0, 0, 1280, 800);
        QTest::newRow("a panel on top") << QMargins(4, 30, 4, 4) << QRect(0, 32, 1280, 768);
        QTest::newRow("the second screen") << QMargins(1, 24, 1, 1) << QRect(1280, 0, 1920, 1080);
        // clang-format on
    }

    void centredWithItsFrame() {
        QFETCH(QMargins, frame);
        QFETCH(QRect, available);
        const QRect client = CentredClientArea(Form, frame, available);
        QCOMPARE(client.size(), Form);
        const QRect framed = client.marginsAdded(frame);
        QVERIFY2(std::abs((framed.left() - available.left()) -
                          (available.right() - framed.right())) <= 1,
                 "left and right of the frame");
        QVERIFY2(std::abs((framed.top() - available.top()) -
                          (available.bottom() - framed.bottom())) <= 1,
                 "above and below the frame");
    }

    // A screen the user moved comes back where it was left, whatever its frame.
    void placeOnShowing_data() {
        QTest::addColumn<OptionalRect>("stood");
        QTest::addColumn<QRect>("expected");
        const QRect centred =
            CentredClientArea(Form, QMargins(4, 30, 4, 4), QRect(0, 0, 1280, 800));
        // clang-format off
        QTest::newRow("first showing") << OptionalRect() << centred;
        QTest::newRow("moved, then shown again") << OptionalRect(QRect(QPoint(17, 40), Form)) << QRect(QPoint(17, 40), Form);
        // clang-format on
    }

    void placeOnShowing() {
        QFETCH(OptionalRect, stood);
        QFETCH(QRect, expected);
        QCOMPARE(ClientAreaOnShowing(stood, Form, QMargins(4, 30, 4, 4), QRect(0, 0, 1280, 800)),
                 expected);
    }

    // Until a window sits in its frame, Qt may read a frame of negative size.
    void usableFrame_data() {
        QTest::addColumn<QMargins>("reported");
        QTest::addColumn<QMargins>("usable");
        // clang-format off
        QTest::newRow("framed") << QMargins(4, 30, 4, 4) << QMargins(4, 30, 4, 4);
        QTest::newRow("not framed yet") << QMargins(-4, -30, -4, -4) << QMargins();
        QTest::newRow("partly negative") << QMargins(0, -5, 0, 0) << QMargins();
        // clang-format on
    }

    void usableFrame() {
        QFETCH(QMargins, reported);
        QFETCH(QMargins, usable);
        QCOMPARE(UsableFrame(reported), usable);
    }

    // An enlarged state is undone first; any other size than its own is then put back.
    void sizePutBack_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<Qt::WindowStates>("states");
        QTest::addColumn<bool>("putBack");
        const QSize large(1280, 800);
        // clang-format off
        QTest::newRow("its own size") << Form << Qt::WindowStates() << false;
        QTest::newRow("resized") << QSize(700, 500) << Qt::WindowStates() << true;
        QTest::newRow("maximized") << large << Qt::WindowStates(Qt::WindowMaximized) << false;
        QTest::newRow("full screen") << large << Qt::WindowStates(Qt::WindowFullScreen) << false;
        QTest::newRow("left large by a full screen") << large << Qt::WindowStates() << true;
        QTest::newRow("minimized") << Form << Qt::WindowStates(Qt::WindowMinimized) << false;
        // clang-format on
    }

    void sizePutBack() {
        QFETCH(QSize, size);
        QFETCH(Qt::WindowStates, states);
        QFETCH(bool, putBack);
        QCOMPARE(NeedsSizePutBack(size, Form, states), putBack);
    }
};

QTEST_APPLESS_MAIN(GeometryTest)
#include "tst_Geometry.moc"
