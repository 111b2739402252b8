// Which screen follows which: start-up, Next, Back, and the exits.

#include "FakePlatform.h"
#include "Lifecycle.h"
#include "frmKarmicDebtNo.h"
#include "frmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using testing::FakePlatform;

class LifecycleTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startupShowsMainWithABrandChosen();
    void readingsOfWorkedExamples_data();
    void readingsOfWorkedExamples();
    void backKeepsEntriesAndNextShowsAFreshReading();

private:
    template <typename T> T* mainChild(const char* name) {
        return lifecycle->Main()->findChild<T*>(QLatin1String(name));
    }
    void enter(const QString& first, const QString& last, const QString& day);
    void pressNext();
    QString shownReading();

    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<app::Lifecycle> lifecycle;
};

void LifecycleTest::init() {
    fake = std::make_unique<FakePlatform>();
    lifecycle = std::make_unique<app::Lifecycle>(*fake);
}

void LifecycleTest::cleanup() {
    lifecycle.reset();
    fake.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void LifecycleTest::enter(const QString& first, const QString& last, const QString& day) {
    auto* firstBox = mainChild<QLineEdit>("txtFirstName");
    firstBox->setFocus();
    QTest::keyClicks(firstBox, first);
    QTest::keyClicks(mainChild<QLineEdit>("txtLastName"), last);
    auto* days = mainChild<QComboBox>("cboDate");
    days->setCurrentIndex(days->findText(day));
}

void LifecycleTest::pressNext() {
    QTest::mouseClick(mainChild<QPushButton>("cmdNext"), Qt::LeftButton);
}

QString LifecycleTest::shownReading() {
    return lifecycle->Result()->findChild<QPlainTextEdit*>("txtDisplay")->toPlainText();
}

void LifecycleTest::startupShowsMainWithABrandChosen() {
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

void LifecycleTest::readingsOfWorkedExamples_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("paragraphStart");

    const QString none = "Your Karmic Debt Number is not applicable.";
    QTest::newRow("john smith 5") << "john"
                                  << "smith"
                                  << "5"
                                  << "0" << none;
    QTest::newRow("ed kay 1") << "ed"
                              << "kay"
                              << "1"
                              << "13"
                              << "People with this number";
    QTest::newRow("eva sue 1") << "eva"
                               << "sue"
                               << "1"
                               << "14"
                               << "Be optimistic";
    QTest::newRow("sy sy 1") << "sy"
                             << "sy"
                             << "1"
                             << "16"
                             << "This number is probably";
    QTest::newRow("ali roy 1") << "ali"
                               << "roy"
                               << "1"
                               << "19"
                               << "You are a self-made man";
    QTest::newRow("john smith 13") << "john"
                                   << "smith"
                                   << "13"
                                   << "13"
                                   << "People with this number";
}

void LifecycleTest::readingsOfWorkedExamples() {
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(QString, day);
    QFETCH(QString, header);
    QFETCH(QString, paragraphStart);

    lifecycle->Startup();
    enter(first, last, day);
    pressNext();

    QVERIFY(!lifecycle->Main()->isVisible());
    QVERIFY(lifecycle->Result()->isVisible());
    const QStringList paragraphs = shownReading().split("\n\n");
    QCOMPARE(paragraphs[0], "Karmic Debt Number: " + header);
    QVERIFY(paragraphs[1].startsWith("This number signifies"));
    QVERIFY(paragraphs[2].startsWith(paragraphStart));
}

void LifecycleTest::backKeepsEntriesAndNextShowsAFreshReading() {
    lifecycle->Startup();
    enter("ed", "kay", "1");
    auto* months = mainChild<QComboBox>("cboMonth");
    months->setCurrentIndex(6);
    pressNext();
    QPointer<ui::frmKarmicDebtNo> firstResult = lifecycle->Result();
    const QString firstReading = shownReading();

    QTest::mouseClick(firstResult->findChild<QPushButton*>("cmdback"), Qt::LeftButton);
    QVERIFY(lifecycle->Main()->isVisible());
    QVERIFY(!lifecycle->Result());
    QCOMPARE(mainChild<QLineEdit>("txtFirstName")->text(), QStringLiteral("ED"));
    QCOMPARE(mainChild<QLineEdit>("txtLastName")->text(), QStringLiteral("KAY"));
    QCOMPARE(months->currentText(), QStringLiteral("July"));

    pressNext();
    QVERIFY(lifecycle->Result() != firstResult);
    QCOMPARE(shownReading(), firstReading); // not appended to the old one
    auto* display = lifecycle->Result()->findChild<QPlainTextEdit*>("txtDisplay");
    QCOMPARE(display->textCursor().position(), 0);
}

QTEST_MAIN(LifecycleTest)
#include "tst_Lifecycle.moc"
