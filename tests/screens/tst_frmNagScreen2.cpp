// The farewell screen: its load, placeholders, links and the refer-a-friend checks.

#include "resources/Product.h"
#include "screens/frmNagScreen2.h"
#include "support/OnFakePlatform.h"
#include "web/OpenPage.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrlQuery>

using screens::frmNagScreen2;
using testing::FakePlatform;

class frmNagScreen2Test : public testing::OnFakePlatform<frmNagScreen2> {
    Q_OBJECT

private slots:
    void loadChoosesAnAppeal_data() {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("appeal");
        QTest::newRow("0") << 0.0 << 0;
        QTest::newRow("0.2499") << 0.2499 << 0;
        QTest::newRow("0.25") << 0.25 << 1;
        QTest::newRow("0.5") << 0.5 << 2;
        QTest::newRow("0.99") << 0.99 << 3;
    }

    void loadChoosesAnAppeal() {
        QFETCH(double, r);
        QFETCH(int, appeal);
        FakePlatform platform;
        platform.randoms = {r};
        frmNagScreen2 farewell(platform);
        farewell.Form_Load();
        QCOMPARE(platform.seeds, 1);
        QCOMPARE(testing::Child<QLabel>(&farewell, "Label2")->text(),
                 frmNagScreen2::Appeals()[appeal]);
        QCOMPARE(farewell.windowTitle(), product::ScreenTitle);
        QCOMPARE(testing::Child<QLabel>(&farewell, "lblNagScreen2Caption")->text(),
                 product::ScreenTitle);
        QVERIFY(farewell.windowFlags() & Qt::WindowStaysOnTopHint);
    }

    void opensWithPlaceholdersAndFocusOnExit() {
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdClose"));
        QCOMPARE(box("txtName")->text(), QStringLiteral("Your Name"));
        QCOMPARE(box("txtEmail")->text(), QStringLiteral("Your Email Address"));
        QCOMPARE(box("txtFriendName")->text(), QStringLiteral("Friend's Name"));
        QCOMPARE(box("txtFriendEmail")->text(), QStringLiteral("Friend's Email Address"));
        QCOMPARE(child<QPlainTextEdit>("txtMessage")->toPlainText(),
                 QStringLiteral("Your Message\n"));
        QVERIFY(!child<QCheckBox>("Check1")->isChecked());
        // Exit is a plain button like Refer A Friend Now, not light blue like the other screens'.
        const QColor exitFace = child<QPushButton>("cmdClose")->palette().color(QPalette::Button);
        QCOMPARE(exitFace, child<QPushButton>("cmdSubmit")->palette().color(QPalette::Button));
        QVERIFY(exitFace != QColor(124, 165, 231));
    }

    void tabReachesTheHiddenMessageBoxLast() {
        QStringList order;
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, (QStringList{"Check1", "txtName", "cmdSubmit", "txtEmail", "txtFriendEmail",
                                     "txtFriendName", "txtMessage", "cmdClose"}));
        // The message box lies outside what the frame shows.
        auto* message = child<QPlainTextEdit>("txtMessage");
        QVERIFY(!message->parentWidget()->rect().intersects(message->geometry()));
    }

    void placeholdersClearAndReturn() {
        auto* name = box("txtName");
        // The placeholder goes a turn after the focus comes, or at once when keys come first.
        name->setFocus();
        QTest::keyClicks(name, "  ");
        QCOMPARE(name->text(), QStringLiteral("  "));
        box("txtEmail")->setFocus();
        QCOMPARE(name->text(), QStringLiteral("Your Name")); // spaces only count as empty
        QTRY_COMPARE(box("txtEmail")->text(), QString());

        name->setText("  Your Name ");
        name->setFocus();
        QTRY_COMPARE(name->text(), QString()); // trimmed, it is the placeholder

        // The message's first text keeps its line break, so focusing it clears nothing;
        // once emptied it gets back the placeholder without the break.
        auto* message = child<QPlainTextEdit>("txtMessage");
        message->setFocus();
        QCOMPARE(message->toPlainText(), QStringLiteral("Your Message\n"));
        message->clear();
        name->setFocus();
        QCOMPARE(message->toPlainText(), QStringLiteral("Your Message"));
    }

    void spaceIsRefusedInAddresses_data() {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<int>("refusals");
        QTest::newRow("txtEmail") << "txtEmail" << 1;
        QTest::newRow("txtFriendEmail") << "txtFriendEmail" << 1;
        QTest::newRow("txtName takes spaces") << "txtName" << 0;
    }

    void spaceIsRefusedInAddresses() {
        QFETCH(QString, boxName);
        QFETCH(int, refusals);
        auto* address = box(qPrintable(boxName));
        address->setFocus();
        QTest::keyClicks(address, "a b");
        QCOMPARE(int(fake->messages.size()), refusals);
        QCOMPARE(address->text(), refusals ? QStringLiteral("ab") : QStringLiteral("a b"));
        QCOMPARE(QApplication::focusWidget(), address);
        if (refusals) {
            QCOMPARE(fake->messages[0].text, QStringLiteral("Email Address Cannot Contain Space"));
            QCOMPARE(fake->messages[0].icon, platform::MessageIcon::Stop);
        }
        address->insert(" pasted"); // pasting is not filtered
        QVERIFY(address->text().endsWith(" pasted"));
    }

    void checkBoxWorksAsALink() {
        auto* check = child<QCheckBox>("Check1");
        for (int click = 1; click <= 2; ++click) {
            QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
            QVERIFY(!check->isChecked());
            QCOMPARE(fake->openedUrls.size(), click);
        }
        QCOMPARE(fake->openedUrls[0], web::PageUrl(web::PageKey::HomePage));
    }

    void homeLink() {
        QTest::mouseClick(child<QLabel>("lblGoToHome"), Qt::LeftButton);
        QCOMPARE(fake->openedUrls, QStringList{web::PageUrl(web::PageKey::CalvoraSoftwares)});
    }

    void submitChecks_data() {
        // clang-format off
        QTest::addColumn<testing::Referral>("referral");
        QTest::addColumn<QString>("message"); // the one message, or empty when a URL opens
        // Which problem comes first is modTellAFriend's; the screen adds its placeholders and
        // the trimming of every box.

        const QString proper = "Please Enter Proper Email Address";
        QTest::newRow("all placeholders") << testing::Referral{"Your Name", "Your Email Address", "Friend's Name", "Friend's Email Address"} << proper;
        QTest::newRow("identical after trimming") << testing::Referral{"Ann", " a@b.org", "Bob", "a@b.org  "} << "Please Enter Distinct Email Addresses";
        QTest::newRow("name of spaces") << testing::Referral{.name = "   "} << "Please Enter Your Name";
        QTest::newRow("valid") << testing::Referral{} << "";
        // clang-format on
    }

    void submitChecks() {
        QFETCH(testing::Referral, referral);
        QFETCH(QString, message);
        testing::FillReferral(subject.get(), referral);
        submit();

        if (message.isEmpty()) {
            QVERIFY(fake->messages.empty());
            QCOMPARE(fake->openedUrls.size(), 1);
            return;
        }
        QCOMPARE(fake->messages, testing::OneMessage(message, platform::MessageIcon::Stop));
        QVERIFY(fake->openedUrls.isEmpty());
        QCOMPARE(box("txtName")->text(), referral.name); // the boxes stay as they were
    }

    void eachPressSubmitsAgain() {
        testing::FillReferral(subject.get(), {.name = "  Ann\t"});
        submit();
        submit();
        QCOMPARE(fake->openedUrls.size(), 2);
        QCOMPARE(fake->openedUrls[0], fake->openedUrls[1]);
        QCOMPARE(subject->Referral().Values().ReferName, QStringLiteral("Ann\t")); // tab kept
        QCOMPARE(subject->Referral().Values().ReferMessage, QStringLiteral("Your Message\r\n"));
        const QUrlQuery query(QUrl(fake->openedUrls[0]));
        QCOMPARE(query.queryItemValue("taf3", QUrl::FullyDecoded),
                 QStringLiteral("Your Message\r\n"));
        QCOMPARE(subject->Referral().ReferUrl(), fake->openedUrls[0]);
    }

    void messageGoesAsTyped_data() {
        // clang-format off
        QTest::addColumn<bool>("pasted");
        // Typed: "\n" stands for the Enter key, "\v" for Shift+Enter.
        QTest::addColumn<QString>("entered");
        QTest::addColumn<QString>("sent");
        const QString nbsp(QChar(0x00A0));
        const QString lineSeparator(QChar(0x2028));
        QTest::newRow("three no-break spaces") << false << nbsp + nbsp + nbsp << nbsp + nbsp + nbsp;
        QTest::newRow("Enter between lines") << false << "Hi\nBob" << "Hi\r\nBob";
        QTest::newRow("Shift+Enter between lines") << false << "Hi\vBob" << "Hi\r\nBob";
        QTest::newRow("spaces trimmed at the ends only") << false << "  a  b " << "a  b";
        QTest::newRow("pasted lone CR and line separator") << true << "a\rb" + lineSeparator + "c" << "a\rb" + lineSeparator + "c";
        QTest::newRow("pasted CR LF") << true << "a\r\nb" << "a\r\nb";
        // clang-format on
    }

    void messageGoesAsTyped() {
        QFETCH(bool, pasted);
        QFETCH(QString, entered);
        QFETCH(QString, sent);
        testing::FillReferral(subject.get());
        auto* message = child<QPlainTextEdit>("txtMessage");
        message->setFocus();
        message->selectAll();
        QTest::keyClick(message, Qt::Key_Delete);
        if (pasted) {
            QApplication::clipboard()->setText(entered);
            if (QApplication::clipboard()->text() != entered)
                QSKIP("this platform has no clipboard");
            QTest::keyClick(message, Qt::Key_V, Qt::ControlModifier);
        } else {
            for (QChar c : entered) {
                if (c == QLatin1Char('\n'))
                    QTest::keyClick(message, Qt::Key_Return);
                else if (c == QLatin1Char('\v'))
                    QTest::keyClick(message, Qt::Key_Return, Qt::ShiftModifier);
                else
                    QTest::sendKeyEvent(QTest::Click, message, Qt::Key_unknown, QString(c),
                                        Qt::NoModifier);
            }
        }
        submit();
        QVERIFY(fake->messages.empty());
        QCOMPARE(fake->openedUrls.size(), 1);
        const QUrlQuery query(QUrl(fake->openedUrls[0]));
        QCOMPARE(query.queryItemValue("taf3", QUrl::FullyDecoded), sent);
    }

    void exitAndCloseAskToEnd() {
        QSignalSpy exit(subject.get(), &frmNagScreen2::exitRequested);
        QSignalSpy close(subject.get(), &frmNagScreen2::closeRequested);
        QTest::keyClick(child<QPushButton>("cmdClose"), Qt::Key_Space);
        subject->close();
        QCOMPARE(exit.count(), 1);
        QCOMPARE(close.count(), 1);
    }

private:
    void Prepare() override {
        fake->randoms = {0.3};
        subject->Form_Load();
        QVERIFY(testing::ShowActive(subject.get()));
    }
    QLineEdit* box(const char* name) { return child<QLineEdit>(name); }
    void submit() { QTest::mouseClick(child<QPushButton>("cmdSubmit"), Qt::LeftButton); }
};

QTEST_MAIN(frmNagScreen2Test)
#include "tst_frmNagScreen2.moc"
