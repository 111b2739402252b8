// The caption texts every screen shows, and the link label's click.

#include "look/LinkLabel.h"
#include "look/ScreenLook.h"

#include <QSignalSpy>
#include <QTest>

using look::CaptionText;
using look::LinkLabel;

struct Gesture {
    QPoint press, release;
    Qt::MouseButton button;
    bool twice; // a double click
};
Q_DECLARE_METATYPE(Gesture)

class CaptionsAndLinksTest : public QObject {
    Q_OBJECT

private slots:
    void captionText_data() {
        // clang-format off
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shown");
        QTest::newRow("access key") << "&Next" << "Next";
        QTest::newRow("doubled is one ampersand") << "name &&  link" << "name &  link";
        QTest::newRow("doubled before an access key") << "&&&x" << "&x";
        QTest::newRow("lone trailing ampersand stays") << "a &" << "a &";
        QTest::newRow("no marker") << "plain" << "plain";
        // clang-format on
    }

    void captionText() {
        QFETCH(QString, caption);
        QFETCH(QString, shown);
        QCOMPARE(CaptionText(caption), shown);
    }

    void linkLabelClick_data() {
        QTest::addColumn<Gesture>("gesture");
        QTest::addColumn<int>("clicks");
        const QPoint inside(10, 5);
        const QPoint outside(300, 5);
        const Qt::MouseButton left = Qt::LeftButton;
        QTest::newRow("press and release inside") << Gesture{inside, inside, left, false} << 1;
        QTest::newRow("dragged off to cancel") << Gesture{inside, outside, left, false} << 0;
        QTest::newRow("right button") << Gesture{inside, inside, Qt::RightButton, false} << 0;
        QTest::newRow("double click opens once") << Gesture{inside, inside, left, true} << 1;
    }

    void linkLabelClick() {
        QFETCH(Gesture, gesture);
        QFETCH(int, clicks);
        const auto [press, release, button, twice] = gesture;
        LinkLabel label;
        label.setText(QStringLiteral("a link"));
        label.resize(100, 20);
        QSignalSpy clicked(&label, &LinkLabel::clicked);
        QTest::mousePress(&label, button, {}, press);
        QTest::mouseRelease(&label, button, {}, release);
        if (twice) { // the second press comes as a double click
            QTest::mouseDClick(&label, button, {}, press);
            QTest::mouseRelease(&label, button, {}, release);
        }
        QCOMPARE(clicked.count(), clicks);
    }
};

QTEST_MAIN(CaptionsAndLinksTest)
#include "tst_CaptionsAndLinks.moc"
