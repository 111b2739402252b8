// The fuzzers' checks, run by an ordinary build: they pass on every input of the corpus,
// and they do fail where they should.

#include "fuzz/ReadingChecks.h"
#include "fuzz/ReferralChecks.h"
#include "fuzz/SettingsChecks.h"

#include <QDir>
#include <QTest>

#include <string>

using Check = bool (*)(const std::uint8_t*, std::size_t);
Q_DECLARE_METATYPE(Check)

class FuzzChecksTest : public QObject {
    Q_OBJECT

private slots:
    void corpusHolds_data() {
        QTest::addColumn<Check>("check");
        QTest::addColumn<QByteArray>("input");
        const std::pair<const char*, Check> targets[] = {{"reading", fuzzchecks::ReadingHolds},
                                                         {"settings", fuzzchecks::SettingsHold},
                                                         {"referral", fuzzchecks::ReferralHolds}};
        for (const auto& [name, check] : targets) {
            const QDir corpus(QStringLiteral(NUVRA_FUZZ_CORPUS "/") + name);
            const QStringList seeds = corpus.entryList(QDir::Files);
            QVERIFY2(!seeds.isEmpty(), name);
            for (const QString& seed : seeds) {
                QFile file(corpus.filePath(seed));
                QVERIFY(file.open(QIODevice::ReadOnly));
                QTest::addRow("%s/%s", name, qPrintable(seed)) << check << file.readAll();
            }
        }
    }

    void corpusHolds() {
        QFETCH(Check, check);
        QFETCH(QByteArray, input);
        QVERIFY(check(reinterpret_cast<const std::uint8_t*>(input.constData()),
                      std::size_t(input.size())));
    }

    void knownReadings_data() {
        QTest::addColumn<QString>("reading");
        QTest::addColumn<bool>("known");
        const auto reading = [](int debt) {
            return QString::fromStdU16String(engine::ComposeReading(debt).Text());
        };
        for (int debt : {0, 13, 14, 16, 19})
            QTest::addRow("debt %d", debt) << reading(debt) << true;
        QTest::newRow("nothing") << QString() << false;
        QTest::newRow("a reading and more") << reading(19) + "." << false;
    }

    void knownReadings() {
        QFETCH(QString, reading);
        QFETCH(bool, known);
        QCOMPARE(fuzzchecks::IsOneOfTheReadings(reading.toStdU16String()), known);
    }
};

QTEST_APPLESS_MAIN(FuzzChecksTest)
#include "tst_FuzzChecks.moc"
