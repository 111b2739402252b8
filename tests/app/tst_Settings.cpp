// The scrambled settings: the scrambling itself, and values in the platform's real
// per-user store.

#include "app/Settings.h"
#include "app/UpdateReminder.h"
#include "platform/QtPlatform.h"
#include "resources/Product.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QFile::remove(storePath());
        QDir(storePath()).removeRecursively();
    }

    void scramblingRoundTrips_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("key") << "Duration";
        QTest::newRow("date") << "12/8/2026";
        QTest::newRow("dotted date") << "08.12.2026";
        QTest::newRow("low codes") << QString("\x01\t\r\n 0");
        QTest::newRow("highest kept") << QString(QChar(155));
    }

    void scramblingRoundTrips() {
        QFETCH(QString, text);
        const QString scrambled = app::EncodeSetting(text);
        QCOMPARE(scrambled.size(), text.size());
        QCOMPARE(app::DecodeSetting(scrambled), text);
        if (!text.isEmpty())
            QVERIFY(scrambled != text);
    }

    void scramblingDropsWhatItCannotShift() {
        QCOMPARE(app::EncodeSetting(QString("a") + QChar(0xFF) + QChar(0x263A) + "b"),
                 app::EncodeSetting("ab"));
        QCOMPARE(app::DecodeSetting("ab" + app::EncodeSetting("c")), QStringLiteral("c"));
    }

    void scrambledKeysStayOutOfGroupSeparators() {
        for (const QString key : {"Duration", "Install"}) {
            const QString scrambled = app::EncodeSetting(key);
            QVERIFY(!scrambled.contains('/') && !scrambled.contains('\\'));
            QVERIFY(!scrambled.contains(key, Qt::CaseInsensitive));
        }
    }

    void valuesRoundTripThroughTheStore() {
        platform::QtPlatform platform;
        QVERIFY(app::WriteSetting(platform, "Duration", "12/8/2026"));
        QVERIFY(app::WriteSetting(platform, "Install", "1"));
        QCOMPARE(app::ReadSetting(platform, "Duration"), QStringLiteral("12/8/2026"));
        QCOMPARE(app::ReadSetting(platform, "Install"), QStringLiteral("1"));
        QCOMPARE(app::ReadSetting(platform, "Absent"), QString());

        // The scrambled key names come back exactly, not split into groups.
        QSettings store(storePath(), QSettings::IniFormat);
        store.beginGroup("Settings");
        QStringList keys = store.childKeys();
        keys.sort();
        QStringList expected{app::EncodeSetting("Duration"), app::EncodeSetting("Install")};
        expected.sort();
        QCOMPARE(keys, expected);
        QVERIFY(store.childGroups().isEmpty());
    }

    void storeShowsNothingInPlain() {
        platform::QtPlatform platform;
        app::CheckUpdateReminder(platform); // a first run records both values
        QFile file(storePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        QVERIFY(content.contains("[Settings]"));
        for (const char* plain : {"Duration", "Install", "2026", "2027", "/20"})
            QVERIFY2(!content.contains(plain), plain);
        const QString today = app::StoredDateText(QDate::currentDate(), QLocale::system());
        QCOMPARE(app::ReadSetting(platform, "Duration"), today);
    }

    void reminderSurvivesAStoreThatIsADirectory() {
        QVERIFY(QDir().mkpath(storePath()));
        platform::QtPlatform platform;
        QVERIFY(!app::WriteSetting(platform, "Install", "1"));
        app::CheckUpdateReminder(platform); // no crash, and no question it could not record
        QVERIFY(QFileInfo(storePath()).isDir());
    }

    // Qt keeps reporting the damage it met while reading, even once the write mended it.
    void aWriteMendsADamagedStore() {
        platform::QtPlatform platform;
        QVERIFY(app::WriteSetting(platform, "Duration", "12/8/2026"));
        QFile file(storePath());
        QVERIFY(file.open(QIODevice::Append));
        file.write("[broken\n");
        file.close();

        QVERIFY(app::WriteSetting(platform, "Install", "2"));
        QCOMPARE(app::ReadSetting(platform, "Install"), QStringLiteral("2"));
        QCOMPARE(app::ReadSetting(platform, "Duration"), QStringLiteral("12/8/2026"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(!file.readAll().contains("[broken"));
    }

private:
    QString storePath() const {
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + '/' +
               product::SettingsFolder + '/' + QCoreApplication::applicationName() + ".conf";
    }
};

QTEST_MAIN(SettingsTest)
#include "tst_Settings.moc"
