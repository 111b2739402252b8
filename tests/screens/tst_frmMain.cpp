// The main input screen driven through its real controls, with a recording platform.

#include "resources/Product.h"
#include "screens/frmAbout.h"
#include "screens/frmMain.h"
#include "support/OnFakePlatform.h"
#include "web/OpenPage.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {
char16_t UpperLatin(char16_t c) {
    return c >= u'a' && c <= u'z' ? c - (u'a' - u'A') : c;
}
} // namespace

using platform::MessageIcon;
using screens::frmMain;
using web::PageKey;
Q_DECLARE_METATYPE(PageKey)

struct Entries {
    QString first, last;
    int day, month;         // 0: no entry shown
    QString year;           // empty: no entry shown
    QString message, focus; // empty message: the input passes; empty focus: it stays on Next
};
Q_DECLARE_METATYPE(Entries)

struct Typing {
    QString typed;
    int modifiers;
    bool inputMethod; // committed by an input method, not typed as keys
    QString expected;
};
Q_DECLARE_METATYPE(Typing)

class frmMainTest : public testing::OnFakePlatform<frmMain> {
    Q_OBJECT

private slots:
    void loadFillsTheLists() {
        auto* days = child<QComboBox>("cboDate");
        auto* months = child<QComboBox>("cboMonth");
        auto* years = child<QComboBox>("cboYear");
        QCOMPARE(days->count(), 31);
        QCOMPARE(days->itemText(30), QStringLiteral("31"));
        QCOMPARE(months->count(), 12);
        QCOMPARE(months->itemText(8), QStringLiteral("September"));
        QCOMPARE(years->count(), 151);
        QCOMPARE(years->itemText(150), QStringLiteral("2050"));
        QCOMPARE(days->currentText(), QStringLiteral("1"));
        QCOMPARE(months->currentText(), QStringLiteral("January"));
        QCOMPARE(years->currentText(), QStringLiteral("1900"));
        QCOMPARE(subject->windowTitle(), product::ScreenTitle);
    }

    void validation_data() {
        // clang-format off
        QTest::addColumn<Entries>("entries");

        const QString firstMsg = "Please Enter Your First Name";
        const QString lastMsg = "Please Enter Your Last Name";
        const QString febMsg = "Please Enter Correct Date Or Month!";
        const QString day31Msg = "Please Enter Correct Date Or Month !";

        QTest::newRow("all empty") << Entries{"", "", 1, 1, "1900", firstMsg, "txtFirstName"};
        QTest::newRow("no last name") << Entries{"ED", "", 1, 1, "1900", lastMsg, "txtLastName"};
        QTest::newRow("first name of spaces passes") << Entries{"  ", "KAY", 1, 1, "1900", "", ""};
        QTest::newRow("no day") << Entries{"ED", "KAY", 0, 0, "", "Please Specify Your Birth Date", "cboDate"};
        QTest::newRow("no month") << Entries{"ED", "KAY", 3, 0, "", "Please Specify Your Birth Month", "cboMonth"};
        QTest::newRow("no year") << Entries{"ED", "KAY", 3, 2, "", "Please Specify Your Birth Year", "cboYear"};
        QTest::newRow("name checked before date") << Entries{"", "KAY", 31, 4, "1901", firstMsg, "txtFirstName"};
        QTest::newRow("29 Feb 1900 (no leap year)") << Entries{"ED", "KAY", 29, 2, "1900", febMsg, ""};
        QTest::newRow("29 Feb 2000") << Entries{"ED", "KAY", 29, 2, "2000", "", ""};
        QTest::newRow("29 Feb 2024") << Entries{"ED", "KAY", 29, 2, "2024", "", ""};
        QTest::newRow("29 Feb 1901") << Entries{"ED", "KAY", 29, 2, "1901", febMsg, ""};
        QTest::newRow("29 Feb 2100 is past the list") << Entries{"ED", "KAY", 28, 2, "2050", "", ""};
        QTest::newRow("30 Feb 2000") << Entries{"ED", "KAY", 30, 2, "2000", febMsg, ""};
        QTest::newRow("31 Feb 2024") << Entries{"ED", "KAY", 31, 2, "2024", febMsg, ""};
        for (int month : {4, 6, 9, 11})
            QTest::addRow("31 of month %d", month) << Entries{"ED", "KAY", 31, month, "1990", day31Msg, ""};
        for (int month : {1, 3, 5, 7, 8, 10, 12})
            QTest::addRow("31 of month %d passes", month) << Entries{"ED", "KAY", 31, month, "1990", "", ""};
        QTest::newRow("30 April") << Entries{"ED", "KAY", 30, 4, "1990", "", ""};
        // clang-format on
    }

    void validation() {
        QFETCH(Entries, entries);
        const auto& [first, last, day, month, year, message, focus] = entries;
        testing::EnterNames(subject.get(), first, last);
        child<QComboBox>("cboDate")->setCurrentIndex(day - 1);
        child<QComboBox>("cboMonth")->setCurrentIndex(month - 1);
        auto* years = child<QComboBox>("cboYear");
        years->setCurrentIndex(years->findText(year));
        child<QPushButton>("cmdNext")->setFocus();

        QSignalSpy next(subject.get(), &frmMain::nextRequested);
        QTest::mouseClick(child<QPushButton>("cmdNext"), Qt::LeftButton);

        if (message.isEmpty()) {
            QCOMPARE(fake->messages.size(), 0u);
            QCOMPARE(next.count(), 1);
            return;
        }
        QCOMPARE(next.count(), 0);
        QCOMPARE(fake->messages, testing::OneMessage(message, MessageIcon::Information));
        const QString expectedFocus = focus.isEmpty() ? QStringLiteral("cmdNext") : focus;
        QCOMPARE(QApplication::focusWidget()->objectName(), expectedFocus);
        QCOMPARE(child<QLineEdit>("txtFirstName")->text(), first);
    }

    void dateFailureLeavesFocusWhereItWas() {
        testing::EnterNames(subject.get(), "ED", "KAY");
        child<QComboBox>("cboDate")->setCurrentIndex(30);
        child<QComboBox>("cboMonth")->setCurrentIndex(10);
        child<QLineEdit>("txtMiddleName")->setFocus();
        subject->mnuNext_Click();
        QCOMPARE(fake->messages.size(), 1u);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtMiddleName"));
    }

    void keyFilterUpperCasesTypedLetters_data() {
        // clang-format off
        QTest::addColumn<Typing>("typing");

        const int none = Qt::NoModifier;
        QTest::newRow("lower-case name") << Typing{"john smith", none, false, "JOHN SMITH"};
        QTest::newRow("every letter a to z") << Typing{"abcdefghijklmnopqrstuvwxyz", none, false, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"};
        QTest::newRow("signs and digits pass") << Typing{"o'neil-3", none, false, "O'NEIL-3"};
        QTest::newRow("capitals stay") << Typing{"McRae", none, false, "MCRAE"};
        QTest::newRow("accented letters pass") << Typing{QString::fromUtf8("éloïse"), none, false, QString::fromUtf8("éLOïSE")};
        QTest::newRow("Alt with a letter types nothing") << Typing{"bg", int(Qt::AltModifier), false, ""};
        QTest::newRow("Ctrl with a letter types nothing") << Typing{"b", int(Qt::ControlModifier), false, ""};
        QTest::newRow("input method commits") << Typing{QString::fromUtf8("zoë a"), none, true, QString::fromUtf8("ZOë A")};
        // clang-format on
    }

    void keyFilterUpperCasesTypedLetters() {
        QFETCH(Typing, typing);
        const auto& [typed, modifiers, inputMethod, expected] = typing;
        for (const char* name : {"txtFirstName", "txtMiddleName", "txtLastName"}) {
            auto* box = child<QLineEdit>(name);
            box->setFocus();
            if (inputMethod) {
                QInputMethodEvent commit;
                commit.setCommitString(typed);
                QApplication::sendEvent(box, &commit);
            }
            for (QChar c : inputMethod ? QString() : typed) {
                const char16_t upper = UpperLatin(c.unicode());
                const int key = upper >= u'A' && upper <= u'Z' ? Qt::Key_A + (upper - u'A') : 0;
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key(key), QString(c),
                                    Qt::KeyboardModifiers(modifiers));
            }
            QCOMPARE(box->text(), expected);
        }
        auto* box = child<QLineEdit>("txtFirstName");
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), expected.left(expected.size() - 1));
    }

    void pastedTextKeepsItsCase() {
        QApplication::clipboard()->setText(QStringLiteral("john"));
        if (QApplication::clipboard()->text() != QStringLiteral("john"))
            QSKIP("this platform has no clipboard");
        auto* box = child<QLineEdit>("txtLastName");
        box->setFocus();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text(), QStringLiteral("john"));
    }

    void enterInANameBoxDoesNotStartNext() {
        testing::EnterNames(subject.get(), "ED", "KAY");
        QSignalSpy next(subject.get(), &frmMain::nextRequested);
        auto* box = child<QLineEdit>("txtLastName");
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Enter);
        QCOMPARE(next.count(), 0);
        QVERIFY(fake->messages.empty());
    }

    void tabOrder_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        // Names, then the date as it reads: month, day, year; then Next.
        const char* order[] = {"txtFirstName", "txtMiddleName", "txtLastName", "cboMonth",
                               "cboDate",      "cboYear",       "cmdNext"};
        for (size_t i = 0; i + 1 < std::size(order); ++i)
            QTest::addRow("%s", order[i]) << order[i] << order[i + 1];
    }

    void tabOrder() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        auto* start = child<QWidget>(qPrintable(from));
        start->setFocus();
        QTest::keyClick(start, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), to);
    }

    void nextFromMenuIsTheSameCommand() {
        QSignalSpy next(subject.get(), &frmMain::nextRequested);
        child<QAction>("mnuNext")->trigger();
        QCOMPARE(fake->messages.size(), 1u);
        QCOMPARE(fake->messages[0].text, QStringLiteral("Please Enter Your First Name"));
        testing::EnterNames(subject.get(), "ED", "KAY");
        child<QAction>("mnuNext")->trigger();
        QCOMPARE(next.count(), 1);
    }

    void coBrandFront_data() {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("front");

        QTest::newRow("0 gives 1") << 0.0 << 1 << "lblCobrand";
        QTest::newRow("just below 1/12 gives 1") << 0.0833 << 1 << "lblCobrand";
        QTest::newRow("1/12 (1.5) rounds to even 2") << 1.0 / 12 << 2 << "lblFullBrand";
        QTest::newRow("0.25 (2.5) rounds to even 2") << 0.25 << 2 << "lblFullBrand";
        QTest::newRow("just above 0.25 gives 3") << 0.2501 << 3 << "lblCobrand";
        QTest::newRow("0.5 gives 4") << 0.5 << 4 << "lblFullBrand";
        QTest::newRow("0.6 gives 5") << 0.6 << 5 << "lblCobrand";
        QTest::newRow("0.75 (5.5) rounds to even 6") << 0.75 << 6 << "lblFullBrand";
        QTest::newRow("0.95 gives 7: unchanged") << 0.95 << 7 << "lblCobrand";
    }

    void coBrandFront() {
        QFETCH(double, r);
        QFETCH(int, number);
        QFETCH(QString, front);
        QCOMPARE(frmMain::CoBrandNumber(r), number);

        QCOMPARE(brandInFront()->objectName(), QStringLiteral("lblFullBrand"));
        // Start from the other label, so "unchanged" is told apart from "full brand chosen".
        child<QWidget>("lblCobrand")->raise();
        fake->randoms = {r};
        subject->CoBrand_Randomize();
        QCOMPARE(brandInFront()->objectName(), front);
    }

    void coBrandDistribution() {
        // 6r + 1 rounded: 1 and 7 each cover half the width of 2 to 6.
        int counts[8] = {};
        const int steps = 1200;
        for (int i = 0; i < steps; ++i)
            ++counts[frmMain::CoBrandNumber((i + 0.5) / steps)];
        QCOMPARE(counts[0], 0);
        QCOMPARE(counts[1], 100);
        for (int n = 2; n <= 6; ++n)
            QCOMPARE(counts[n], 200);
        QCOMPARE(counts[7], 100);
    }

    void linksOpenTheirPageOncePerClick_data() {
        QTest::addColumn<PageKey>("page"); // each row is named for its control
        QTest::newRow("Label61") << PageKey::HomePage;
        QTest::newRow("lblCobrand") << PageKey::CoBrand;
        QTest::newRow("lblFullBrand") << PageKey::FullyBranded;
        QTest::newRow("mnuOnline") << PageKey::HelpWebPage;
        QTest::newRow("mnuVisit") << PageKey::HomePage;
        QTest::newRow("mnuUpdate") << PageKey::DownloadWebPage;
        QTest::newRow("mnuDonate") << PageKey::Donate;
    }

    void linksOpenTheirPageOncePerClick() {
        QFETCH(PageKey, page);
        const QString control = QTest::currentDataTag();
        const QString url = web::PageUrl(page);

        for (int click = 1; click <= 2; ++click) {
            if (auto* action = subject->findChild<QAction*>(control)) {
                action->trigger();
            } else {
                auto* label = child<QLabel>(qPrintable(control));
                label->raise();
                QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
                QTest::mouseClick(label, Qt::LeftButton);
            }
            QCOMPARE(fake->openedUrls.size(), click);
            QCOMPARE(fake->openedUrls.last(), url);
        }
    }

    void makeMoneyIsNeverAvailable() {
        auto* mkmoney = child<QAction>("mkmoney");
        QCOMPARE(mkmoney->text(), QStringLiteral("Make Money &Online"));
        QVERIFY(!mkmoney->isEnabled());
        mkmoney->trigger();
        QVERIFY(fake->openedUrls.isEmpty());
    }

    void aboutScreenIsModalAndFreshEveryTime() {
        QList<QPointer<QWidget>> seen;
        const auto closeWith = [&](Qt::Key key) {
            QTimer::singleShot(0, this, [&, key] {
                QWidget* about = QApplication::activeModalWidget();
                QVERIFY(about);
                QCOMPARE(about->objectName(), QStringLiteral("frmAbout"));
                seen << about;
                QTest::mouseClick(testing::Child<QLabel>(about, "lblCoBrand"), Qt::LeftButton);
                QVERIFY(about->isVisible());
                QTest::keyClick(about, key);
            });
        };
        closeWith(Qt::Key_Escape);
        child<QAction>("mnuAbout")->trigger();
        closeWith(Qt::Key_Return);
        child<QAction>("mnuAbout")->trigger();

        QCOMPARE(seen.size(), 2);
        QVERIFY(seen[1].isNull()); // not kept between showings
        QCOMPARE(fake->openedUrls.size(), 2);
        QVERIFY(fake->openedUrls[0].endsWith("page=fully-branded"));
    }

private:
    void Prepare() override {
        subject->Form_Load();
        QVERIFY(testing::ShowActive(subject.get()));
    }
    QWidget* brandInFront() {
        auto* frame = child<QGroupBox>("fraFullBrand");
        auto* cobrand = child<QWidget>("lblCobrand");
        return frame->childAt(cobrand->geometry().center());
    }
};

QTEST_MAIN(frmMainTest)
#include "tst_frmMain.moc"
