// The fuzzers' checks, run by an ordinary build: they pass on every input of the corpus,
// and they do fail where they should.

#include "ReadingChecks.h"

#include <QDir>
#include <QTest>

#include <string>

class FuzzChecksTest : public QObject {
    Q_OBJECT

private slots:
    void corpusHolds_data();
    void corpusHolds();
    void knownReadings_data();
    void knownReadings();
};

void FuzzChecksTest::corpusHolds_data() {
    QTest::addColumn<QByteArray>("input");
    const QDir corpus(QStringLiteral(NUVRA_FUZZ_CORPUS "/reading"));
    const QStringList seeds = corpus.entryList(QDir::Files);
    QVERIFY(!seeds.isEmpty());
    for (const QString& seed : seeds) {
        QFile file(corpus.filePath(seed));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QTest::newRow(qPrintable(seed)) << file.readAll();
    }
}

void FuzzChecksTest::corpusHolds() {
    QFETCH(QByteArray, input);
    QVERIFY(fuzzchecks::ReadingHolds(reinterpret_cast<const std::uint8_t*>(input.constData()),
                                     std::size_t(input.size())));
}

void FuzzChecksTest::knownReadings_data() {
    QTest::addColumn<QString>("reading");
    QTest::addColumn<bool>("known");
    const auto reading = [](int debt) {
        return QString::fromStdU16String(engine::ComposeReading(debt));
    };
    for (int debt : {0, 13, 14, 16, 19})
        QTest::addRow("debt %d", debt) << reading(debt) << true;
    QTest::newRow("nothing") << QString() << false;
    QTest::newRow("a reading and more") << reading(19) + "." << false;
}

void FuzzChecksTest::knownReadings() {
    QFETCH(QString, reading);
    QFETCH(bool, known);
    QCOMPARE(fuzzchecks::IsOneOfTheReadings(reading.toStdU16String()), known);
}

QTEST_APPLESS_MAIN(FuzzChecksTest)
#include "tst_FuzzChecks.moc"
