// The scrambled settings in the platform's real per-user store.

#include "app/Settings.h"
#include "app/UpdateReminder.h"
#include "platform/QtPlatform.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

class SettingsStoreTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void valuesRoundTripThroughTheStore();
    void storeShowsNothingInPlain();
    void reminderSurvivesAStoreThatIsADirectory();

private:
    QString storePath() const;
};

QString SettingsStoreTest::storePath() const {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Calvora/" +
           QCoreApplication::applicationName() + ".conf";
}

void SettingsStoreTest::init() {
    QFile::remove(storePath());
    QDir(storePath()).removeRecursively();
}

void SettingsStoreTest::valuesRoundTripThroughTheStore() {
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

void SettingsStoreTest::storeShowsNothingInPlain() {
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

void SettingsStoreTest::reminderSurvivesAStoreThatIsADirectory() {
    QVERIFY(QDir().mkpath(storePath()));
    platform::QtPlatform platform;
    QVERIFY(!app::WriteSetting(platform, "Install", "1"));
    app::CheckUpdateReminder(platform); // no crash, and no question it could not record
    QVERIFY(QFileInfo(storePath()).isDir());
}

QTEST_MAIN(SettingsStoreTest)
#include "tst_SettingsStore.moc"
