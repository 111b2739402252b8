// The real message box: what the user sees, and which answer comes back.

#include "QtPlatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace platform;

class QtPlatformTest : public QObject {
    Q_OBJECT

private slots:
    void messageBox_data();
    void messageBox();
    void randomStaysInRange();
};

void QtPlatformTest::messageBox_data() {
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("press");
    QTest::addColumn<int>("answer");

    QTest::newRow("information, OK") << int(MessageIcon::Information) << int(MessageButtons::Ok)
                                     << int(QMessageBox::Ok) << int(MessageAnswer::Ok);
    QTest::newRow("stop, OK") << int(MessageIcon::Stop) << int(MessageButtons::Ok)
                              << int(QMessageBox::Ok) << int(MessageAnswer::Ok);
    QTest::newRow("Yes") << int(MessageIcon::Information) << int(MessageButtons::YesNo)
                         << int(QMessageBox::Yes) << int(MessageAnswer::Yes);
    QTest::newRow("No") << int(MessageIcon::Information) << int(MessageButtons::YesNo)
                        << int(QMessageBox::No) << int(MessageAnswer::No);
}

void QtPlatformTest::messageBox() {
    QFETCH(int, icon);
    QFETCH(int, buttons);
    QFETCH(int, press);
    QFETCH(int, answer);

    QString shownText;
    QString shownCaption;
    QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons shownButtons;
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        shownText = box->text();
        shownCaption = box->windowTitle();
        shownIcon = box->icon();
        shownButtons = box->standardButtons();
        box->button(QMessageBox::StandardButton(press))->click();
    });

    QtPlatform platform;
    const MessageAnswer result =
        platform.ShowMessage(QStringLiteral("First line\rSecond line"), MessageIcon(icon),
                             MessageButtons(buttons), QStringLiteral("Caption"));

    QCOMPARE(int(result), answer);
    QCOMPARE(shownText, QStringLiteral("First line\nSecond line"));
    QCOMPARE(shownCaption, QStringLiteral("Caption"));
    QCOMPARE(shownIcon, MessageIcon(icon) == MessageIcon::Stop ? QMessageBox::Critical
                                                               : QMessageBox::Information);
    QCOMPARE(shownButtons, MessageButtons(buttons) == MessageButtons::YesNo
                               ? QMessageBox::Yes | QMessageBox::No
                               : QMessageBox::StandardButtons(QMessageBox::Ok));
}

void QtPlatformTest::randomStaysInRange() {
    QtPlatform platform;
    platform.SeedRandom();
    for (int i = 0; i < 10000; ++i) {
        const double r = platform.Random();
        QVERIFY(r >= 0.0 && r < 1.0);
    }
}

QTEST_MAIN(QtPlatformTest)
#include "tst_QtPlatform.moc"
