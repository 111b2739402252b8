// The real message box: what the user sees, and which answer comes back.

#include "platform/QtPlatform.h"
#include "support/ProcessState.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace platform;

// What the program asks of the message box, what the user presses, and what comes back.
struct Exchange {
    MessageIcon icon;
    MessageButtons buttons;
    QMessageBox::StandardButton press;
    MessageAnswer answer;
};
Q_DECLARE_METATYPE(Exchange)

class QtPlatformTest : public QObject {
    Q_OBJECT

private slots:
    void messageBox_data() {
        // clang-format off
        QTest::addColumn<Exchange>("exchange");

        QTest::newRow("information, OK") << Exchange{MessageIcon::Information, MessageButtons::Ok, QMessageBox::Ok, MessageAnswer::Ok};
        QTest::newRow("stop, OK") << Exchange{MessageIcon::Stop, MessageButtons::Ok, QMessageBox::Ok, MessageAnswer::Ok};
        QTest::newRow("Yes") << Exchange{MessageIcon::Information, MessageButtons::YesNo, QMessageBox::Yes, MessageAnswer::Yes};
        QTest::newRow("No") << Exchange{MessageIcon::Information, MessageButtons::YesNo, QMessageBox::No, MessageAnswer::No};
        // clang-format on
    }

    void messageBox() {
        QFETCH(Exchange, exchange);
        const auto [icon, buttons, press, answer] = exchange;

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
            box->button(exchange.press)->click();
        });

        QtPlatform platform;
        const MessageAnswer result = platform.ShowMessage(QStringLiteral("First line\rSecond line"),
                                                          icon, buttons, QStringLiteral("Caption"));

        QCOMPARE(result, answer);
        QCOMPARE(shownText, QStringLiteral("First line\nSecond line"));
        QCOMPARE(shownCaption, QStringLiteral("Caption"));
        QCOMPARE(shownIcon,
                 icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::Information);
        QCOMPARE(shownButtons, buttons == MessageButtons::YesNo
                                   ? QMessageBox::Yes | QMessageBox::No
                                   : QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    void randomStaysInRange() {
        QtPlatform platform;
        platform.SeedRandom();
        for (int i = 0; i < 10000; ++i) {
            const double r = platform.Random();
            QVERIFY(r >= 0.0 && r < 1.0);
        }
    }

    void openingAPageLogsNothing_data() {
        // The program that prints what it is given, if any: the desktop's opener, or the
        // browser that $BROWSER names, which is started only where there is no opener.
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("browser"); // $BROWSER
        QTest::addColumn<int>("urlLength");   // past what one argument may hold, it cannot start
        // clang-format off
        QTest::newRow("the opener prints the URL") << "xdg-open" << "" << 100;
        QTest::newRow("no opener and no browser") << "" << "" << 100;
        QTest::newRow("no opener: $BROWSER") << "my-browser" << "nothing:my-browser %s" << 100;
        QTest::newRow("a URL longer than an argument") << "xdg-open" << "" << 200 * 1024;
        // clang-format on
    }

    // Whichever way opening a page fails, nothing of the URL, which may carry what the user
    // typed into the referral form, reaches the program's output.
    void openingAPageLogsNothing() {
        QFETCH(QString, opener);
        QFETCH(QString, browser);
        QFETCH(int, urlLength);
        QTemporaryDir bin;
        QVERIFY(bin.isValid());
        const QString ran = bin.filePath("ran");
        if (!opener.isEmpty()) {
            QFile script(bin.filePath(opener));
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write("#!/bin/sh\necho \"cannot open $1\"; echo \"cannot open $1\" >&2\n"
                         ": >\"" +
                         QFile::encodeName(ran) + "\"\nexit 3\n");
            script.close();
            QVERIFY(script.setPermissions(script.permissions() | QFile::ExeOwner));
        }
        const testing::ScopedEnv path("PATH", QFile::encodeName(bin.path()));
        const testing::ScopedEnv browserEnv("BROWSER", browser.toUtf8());
        testing::CapturedOutput output;

        const QString secret = "secret" + QString(urlLength, QLatin1Char('x'));
        QtPlatform platform;
        platform.OpenUrl("https://example.org/?taf1=" + secret);
        // The opener runs on its own; give it the time to say what it would.
        const bool expectOpener = !opener.isEmpty() && urlLength < 1000;
        const bool openerRan =
            expectOpener ? QTest::qWaitFor([&] { return QFile::exists(ran); }) : QFile::exists(ran);

        QVERIFY2(!output.Text().contains("secret"), "the URL reached the program's output or log");
        QCOMPARE(openerRan, expectOpener);
    }
};

QTEST_MAIN(QtPlatformTest)
#include "tst_QtPlatform.moc"
