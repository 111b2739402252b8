// Huge and strange input through the real screens: nothing crashes, every name gives a
// reading, and what the user typed is still there after Back.

#include "app/Lifecycle.h"
#include "support/OnFakePlatform.h"
#include "support/ScreenTesting.h"
#include "ui/frmKarmicDebtNo.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

class HostileInputTest : public testing::OnFakePlatform<app::Lifecycle> {
    Q_OBJECT

private slots:
    void millionCharacterNameIsPasted() {
        const QString huge(1'000'000, QLatin1Char('Z'));
        QApplication::clipboard()->setText(huge);
        if (QApplication::clipboard()->text().size() != huge.size())
            QSKIP("this platform has no clipboard");
        QLineEdit* first = nameBox("txtFirstName");
        first->setFocus();
        QElapsedTimer clock;
        clock.start();
        QTest::keyClick(first, Qt::Key_V, Qt::ControlModifier);
        nameBox("txtLastName")->setText("KAY");
        next();
        QApplication::processEvents();
        qInfo("paste, Next and the reading took %lld ms", clock.elapsed());

        QCOMPARE(first->text().size(), huge.size());
        QVERIFY(reading().startsWith("Karmic Debt Number: 0")); // 8,000,009 is no debt
        back();
        QCOMPARE(nameBox("txtFirstName")->text().size(), huge.size());
    }

    void strangeNamesGiveAReadingAndSurviveBack_data() {
        // clang-format off
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("header");

        QTest::newRow("tabs") << "ED\t" << "13";
        QTest::newRow("line breaks") << "ED\r\n\n" << "13";
        QTest::newRow("right-to-left") << QString::fromUtf8("ED דוד محمد") << "13";
        QTest::newRow("emoji") << QString::fromUtf8("ED 🙂👩‍👩‍👧") << "13";
        QTest::newRow("combining marks") << QString::fromUtf8("E\u0301D\u0308") << "13";
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + "ED" << "13";
        QTest::newRow("control characters") << QString::fromUtf8("ED\x01\x7f") << "13";
        // clang-format on
    }

    void strangeNamesGiveAReadingAndSurviveBack() {
        QFETCH(QString, first);
        QFETCH(QString, header);
        testing::EnterNames(lifecycle->Main(), first, "KAY");
        const QString typed = nameBox("txtFirstName")->text();
        next();
        QVERIFY(reading().startsWith("Karmic Debt Number: " + header + "\n"));
        back();
        QCOMPARE(nameBox("txtFirstName")->text(), typed);
        QCOMPARE(nameBox("txtLastName")->text(), QStringLiteral("KAY"));
    }

private:
    void Prepare() override { lifecycle->Startup(); }
    QLineEdit* nameBox(const char* name) {
        return testing::Child<QLineEdit>(lifecycle->Main(), name);
    }
    QString reading() {
        return testing::Child<QPlainTextEdit>(lifecycle->Result(), "txtDisplay")->toPlainText();
    }
    void next() { lifecycle->Main()->cmdNext_Click(); }
    void back() { testing::Child<QPushButton>(lifecycle->Result(), "cmdback")->click(); }

    std::unique_ptr<app::Lifecycle>& lifecycle = subject;
};

QTEST_MAIN(HostileInputTest)
#include "tst_HostileInput.moc"
