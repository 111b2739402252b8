// Which screen follows which: start-up, Next, Back, and the exits; and huge or strange
// input on that road, which crashes nothing and is still there after Back.

#include "app/Lifecycle.h"
#include "app/Settings.h"
#include "app/UpdateReminder.h"
#include "screens/frmKarmicDebtNo.h"
#include "screens/frmMain.h"
#include "screens/frmNagScreen2.h"
#include "support/OnFakePlatform.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using app::Screen;
using Screens = std::vector<Screen>;

class LifecycleTest : public testing::OnFakePlatform<app::Lifecycle> {
    Q_OBJECT

private slots:
    void startupShowsMainWithABrandChosen() {
        fake->randoms = {0.0}; // 1: the co-branding label comes to the front
        lifecycle->Startup();
        QCOMPARE(fake->seeds, 1);
        QVERIFY(fake->randoms.empty());
        QVERIFY(lifecycle->Main()->isVisible());
        QVERIFY(!lifecycle->Result());
        QVERIFY(fake->messages.empty());
        QVERIFY(fake->openedUrls.isEmpty()); // no page opens by itself
        QCOMPARE(mainChild<QComboBox>("cboYear")->currentText(), QStringLiteral("1900"));
    }

    void readingsOfWorkedExamples_data() {
        // clang-format off
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("day");
        // Which names give which debt is the engine's; here the entries reach it, the day too:
        // each gives 13.
        QTest::newRow("ed kay 1") << "ed" << "kay" << "1";
        QTest::newRow("john smith 13") << "john" << "smith" << "13";
        // clang-format on
    }

    void readingsOfWorkedExamples() {
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, day);

        lifecycle->Startup();
        enter(first, last, day);
        pressNext();

        QVERIFY(!lifecycle->Main()->isVisible());
        QVERIFY(lifecycle->Result()->isVisible());
        const QStringList paragraphs = shownReading().split("\n\n");
        QCOMPARE(paragraphs[0], QStringLiteral("Karmic Debt Number: 13"));
        QVERIFY(paragraphs[1].startsWith("This number signifies"));
        QVERIFY(paragraphs[2].startsWith("People with this number"));
    }

    void backKeepsEntriesAndNextShowsAFreshReading() {
        lifecycle->Startup();
        const QPoint movedTo = lifecycle->Main()->pos() + QPoint(40, -30);
        lifecycle->Main()->move(movedTo); // as the user drags it
        enter("ed", "kay", "1");
        auto* months = mainChild<QComboBox>("cboMonth");
        months->setCurrentIndex(6);
        pressNext();
        QPointer<screens::frmKarmicDebtNo> firstResult = lifecycle->Result();
        const QString firstReading = shownReading();

        pressBack();
        QVERIFY(lifecycle->Main()->isVisible());
        QCOMPARE(lifecycle->Main()->pos(), movedTo);
        QVERIFY(!lifecycle->Result());
        QCOMPARE(mainChild<QLineEdit>("txtFirstName")->text(), QStringLiteral("ED"));
        QCOMPARE(mainChild<QLineEdit>("txtLastName")->text(), QStringLiteral("KAY"));
        QCOMPARE(months->currentText(), QStringLiteral("July"));

        pressNext();
        QVERIFY(lifecycle->Result() != firstResult);
        QCOMPARE(shownReading(), firstReading); // not appended to the old one
        auto* display = testing::Child<QPlainTextEdit>(lifecycle->Result(), "txtDisplay");
        QCOMPARE(display->textCursor().position(), 0);
    }

    void leavingMainShowsTheFarewell_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("hidden Exit button") << "cmdExit";
        QTest::newRow("File > Exit") << "mnuExit";
        QTest::newRow("close box") << "close";
    }

    void leavingMainShowsTheFarewell() {
        QFETCH(QString, how);
        lifecycle->Startup();
        QSignalSpy exitRequests(lifecycle->Main(), &screens::frmMain::exitRequested);
        QSignalSpy closeRequests(lifecycle->Main(), &screens::frmMain::closeRequested);
        if (how == "cmdExit")
            mainChild<QPushButton>("cmdExit")->click();
        else if (how == "mnuExit")
            mainChild<QAction>("mnuExit")->trigger();
        else
            lifecycle->Main()->close();

        QVERIFY(!lifecycle->Main());
        QCOMPARE(exitRequests.count() + closeRequests.count(), 1); // the exit sequence ran once
        QVERIFY(lifecycle->Farewell());
        QVERIFY(lifecycle->Farewell()->isVisible());
        QCOMPARE(lifecycle->LoadedScreens(), Screens{Screen::Farewell});
        QCOMPARE(fake->seeds, 2); // start-up, then the farewell screen's own draw
        QVERIFY(fake->endedWith.empty());
    }

    void closingResultLeavesMainHidden() {
        lifecycle->Startup();
        enter("ed", "kay", "1");
        pressNext();
        lifecycle->Result()->close();

        QVERIFY(!lifecycle->Result());
        QVERIFY(lifecycle->Farewell()->isVisible());
        QVERIFY(lifecycle->Main());
        QVERIFY(!lifecycle->Main()->isVisible());
        QCOMPARE(lifecycle->LoadedScreens(), (Screens{Screen::Main, Screen::Farewell}));
    }

    void backThenExitReshowsTheSameFarewell() {
        lifecycle->Startup();
        enter("ed", "kay", "1");
        pressNext();
        pressBack();

        screens::frmNagScreen2* farewell = lifecycle->Farewell();
        QVERIFY(farewell);
        QVERIFY(!farewell->windowHandle()); // loaded, but never on screen
        QVERIFY(lifecycle->Main()->isVisible());
        testing::Child<QLineEdit>(farewell, "txtName")->setText("Kept");
        const QString appeal = testing::Child<QLabel>(farewell, "Label2")->text();

        // Whatever showing and hiding did to the focus behind the user's back is undone.
        testing::Child<QLineEdit>(farewell, "txtEmail")->clear();
        testing::Child<QLineEdit>(farewell, "txtEmail")->setFocus();

        mainChild<QAction>("mnuExit")->trigger();
        QCOMPARE(farewell->focusWidget()->objectName(), QStringLiteral("cmdClose"));
        QCOMPARE(testing::Child<QLineEdit>(farewell, "txtEmail")->text(),
                 QStringLiteral("Your Email Address"));
        QCOMPARE(lifecycle->Farewell(), farewell); // shown again, not loaded again
        QVERIFY(farewell->isVisible());
        QCOMPARE(testing::Child<QLineEdit>(farewell, "txtName")->text(), QStringLiteral("Kept"));
        QCOMPARE(testing::Child<QLabel>(farewell, "Label2")->text(), appeal);
        QCOMPARE(fake->seeds, 2);
    }

    void farewellEndsTheProgram_data() {
        QTest::addColumn<bool>("byCloseBox");
        QTest::addColumn<bool>("viaResult");
        QTest::newRow("Exit button, main unloaded") << false << false;
        QTest::newRow("close box, main unloaded") << true << false;
        QTest::newRow("Exit button, main still hidden") << false << true;
        QTest::newRow("close box, main still hidden") << true << true;
    }

    void farewellEndsTheProgram() {
        QFETCH(bool, byCloseBox);
        QFETCH(bool, viaResult);
        lifecycle->Startup();
        if (viaResult) {
            enter("ed", "kay", "1");
            pressNext();
            lifecycle->Result()->close();
        } else {
            lifecycle->Main()->close();
        }
        QPointer<screens::frmNagScreen2> farewell = lifecycle->Farewell();
        if (byCloseBox)
            farewell->close();
        else
            QTest::mouseClick(testing::Child<QPushButton>(farewell, "cmdClose"), Qt::LeftButton);

        QCOMPARE(fake->endedWith, std::vector<int>{0});
        QVERIFY(lifecycle->LoadedScreens().empty());
        QVERIFY(!lifecycle->Main() && !lifecycle->Result() && !lifecycle->Farewell());
        QVERIFY(farewell.isNull() || !farewell->isVisible()); // nothing shown again

        if (farewell)
            farewell->close(); // a late close event starts nothing more
        QCOMPARE(fake->endedWith.size(), 1u);
    }

    void secondInstanceShowsNothing() {
        fake->previousInstance = true;
        lifecycle->Startup();
        QCOMPARE(fake->messages, testing::OneMessage("Application is already running",
                                                     platform::MessageIcon::Information));
        QCOMPARE(fake->endedWith, std::vector<int>{0});
        QCOMPARE(fake->seeds, 0);
        QVERIFY(!lifecycle->Main());
        QVERIFY(lifecycle->LoadedScreens().empty());
        QCOMPARE(fake->storeWrites, 0);
    }

    void reminderAsksOnceBeforeAnyScreen_data() {
        QTest::addColumn<bool>("storeWritable");
        QTest::newRow("the answer is kept") << true;
        // Today's date cannot be kept, so the main screen's call still finds the old one.
        QTest::newRow("the store refuses the answer") << false;
    }

    void reminderAsksOnceBeforeAnyScreen() {
        QFETCH(bool, storeWritable);
        QVERIFY(app::WriteSetting(*fake, "Duration",
                                  app::StoredDateText(fake->today.addDays(-15), fake->locale)));
        fake->storeWritable = storeWritable;
        bool screenVisible = true;
        fake->onMessage = [&](const testing::ShownMessage&) {
            screenVisible = lifecycle->Main() && lifecycle->Main()->isVisible();
        };
        lifecycle->Startup();
        QCOMPARE(fake->messages.size(), 1u); // not again in frmMain's load
        QVERIFY(!screenVisible);
        QVERIFY(lifecycle->Main()->isVisible());
    }

    void millionCharacterNameIsPasted() {
        const QString huge(1'000'000, QLatin1Char('Z'));
        QApplication::clipboard()->setText(huge);
        if (QApplication::clipboard()->text().size() != huge.size())
            QSKIP("this platform has no clipboard");
        lifecycle->Startup();
        auto* first = mainChild<QLineEdit>("txtFirstName");
        first->setFocus();
        QElapsedTimer clock;
        clock.start();
        QTest::keyClick(first, Qt::Key_V, Qt::ControlModifier);
        mainChild<QLineEdit>("txtLastName")->setText("KAY");
        pressNext();
        QApplication::processEvents();
        qInfo("paste, Next and the reading took %lld ms", clock.elapsed());

        QCOMPARE(first->text().size(), huge.size());
        QVERIFY(shownReading().startsWith("Karmic Debt Number: 0")); // 8,000,009 is no debt
        pressBack();
        QCOMPARE(mainChild<QLineEdit>("txtFirstName")->text().size(), huge.size());
    }

    void strangeNamesGiveAReadingAndSurviveBack_data() {
        QTest::addColumn<QString>("first"); // each with KAY gives 13
        QTest::newRow("tabs") << "ED\t";
        QTest::newRow("line breaks") << "ED\r\n\n";
        QTest::newRow("right-to-left") << QString::fromUtf8("ED דוד محمد");
        QTest::newRow("emoji") << QString::fromUtf8("ED 🙂👩‍👩‍👧");
        QTest::newRow("combining marks") << QString::fromUtf8("E\u0301D\u0308");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + "ED";
        QTest::newRow("control characters") << QString::fromUtf8("ED\x01\x7f");
    }

    void strangeNamesGiveAReadingAndSurviveBack() {
        QFETCH(QString, first);
        lifecycle->Startup();
        testing::EnterNames(lifecycle->Main(), first, "KAY");
        const QString typed = mainChild<QLineEdit>("txtFirstName")->text();
        pressNext();
        QVERIFY(shownReading().startsWith("Karmic Debt Number: 13\n"));
        pressBack();
        QCOMPARE(mainChild<QLineEdit>("txtFirstName")->text(), typed);
        QCOMPARE(mainChild<QLineEdit>("txtLastName")->text(), QStringLiteral("KAY"));
    }

private:
    template <typename T> T* mainChild(const char* name) {
        return testing::Child<T>(lifecycle->Main(), name);
    }
    void enter(const QString& first, const QString& last, const QString& day) {
        auto* firstBox = mainChild<QLineEdit>("txtFirstName");
        firstBox->setFocus();
        QTest::keyClicks(firstBox, first);
        QTest::keyClicks(mainChild<QLineEdit>("txtLastName"), last);
        auto* days = mainChild<QComboBox>("cboDate");
        days->setCurrentIndex(days->findText(day));
    }

    void pressNext() { QTest::mouseClick(mainChild<QPushButton>("cmdNext"), Qt::LeftButton); }
    void pressBack() {
        QTest::mouseClick(testing::Child<QPushButton>(lifecycle->Result(), "cmdback"),
                          Qt::LeftButton);
    }

    QString shownReading() {
        return testing::Child<QPlainTextEdit>(lifecycle->Result(), "txtDisplay")->toPlainText();
    }

    std::unique_ptr<app::Lifecycle>& lifecycle = subject;
};

QTEST_MAIN(LifecycleTest)
#include "tst_Lifecycle.moc"
