// The update reminder, with a fake store and clock.

#include "app/Settings.h"
#include "app/UpdateReminder.h"
#include "support/FakePlatform.h"
#include "web/OpenPage.h"

#include <QTest>

using platform::MessageAnswer;
using testing::FakePlatform;

namespace {

QString Stored(FakePlatform& fake, const QString& key) {
    return app::ReadSetting(fake, key).value_or("<unreadable>");
}

void Store(FakePlatform& fake, const QString& key, const QString& value) {
    QVERIFY(app::WriteSetting(fake, key, value));
}

QString DateText(FakePlatform& fake, qint64 daysFromToday) {
    return app::StoredDateText(fake.today.addDays(daysFromToday), fake.locale);
}

const QString Question = "There maybe an update to this software available\r"
                         "Do you want to check for an update?";

} // namespace

class UpdateReminderTest : public QObject {
    Q_OBJECT

private slots:
    void firstRunAsksNothing() {
        FakePlatform fake;
        app::CheckUpdateReminder(fake);
        QVERIFY(fake.messages.empty());
        QCOMPARE(Stored(fake, "Install"), QStringLiteral("1"));
        QCOMPARE(Stored(fake, "Duration"), QStringLiteral("12/8/2026"));
        QVERIFY(fake.openedUrls.isEmpty());
    }

    void period_data() {
        QTest::addColumn<int>("daysFromToday");
        QTest::addColumn<bool>("asked");
        QTest::newRow("today") << 0 << false;
        QTest::newRow("14 days ago") << -14 << false;
        QTest::newRow("15 days ago") << -15 << true;
        QTest::newRow("14 days ahead") << 14 << false;
        QTest::newRow("15 days ahead (clock set back)") << 15 << true;
        QTest::newRow("years ago") << -3000 << true;
    }

    void period() {
        QFETCH(int, daysFromToday);
        QFETCH(bool, asked);
        FakePlatform fake;
        Store(fake, "Duration", DateText(fake, daysFromToday));
        Store(fake, "Install", "1");
        app::CheckUpdateReminder(fake);
        if (!asked) {
            QVERIFY(fake.messages.empty());
            return;
        }
        QCOMPARE(fake.messages, testing::OneMessage(Question, platform::MessageIcon::Information,
                                                    platform::MessageButtons::YesNo));
        QCOMPARE(Stored(fake, "Duration"), DateText(fake, 0));
    }

    void answer_data() {
        // clang-format off
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("install"); // as stored before; "-" for absent
        QTest::addColumn<QString>("installAfter");

        for (bool yes : {true, false}) {
            const char* said = yes ? "Yes" : "No";
            QTest::addRow("%s, Install -3", said) << yes << "-3" << "3";
            QTest::addRow("%s, Install absent", said) << yes << "-" << "1";
            QTest::addRow("%s, Install damaged", said) << yes << "x7" << "1";
        }
        QTest::newRow("smallest 32-bit") << false << "-2147483648" << "2147483648";
        QTest::newRow("past 32 bits") << false << "4294967296" << "1";
        // clang-format on
    }

    void answer() {
        QFETCH(bool, yes);
        QFETCH(QString, install);
        QFETCH(QString, installAfter);
        FakePlatform fake;
        Store(fake, "Duration", DateText(fake, -20));
        if (install != "-")
            Store(fake, "Install", install);
        fake.answers = {yes ? MessageAnswer::Yes : MessageAnswer::No};
        // The question stays open over three midnights; the date stored is the answer's.
        fake.onMessage = [&fake](const auto&) { fake.today = fake.today.addDays(3); };

        app::CheckUpdateReminder(fake);
        QCOMPARE(fake.messages.size(), 1u);
        QCOMPARE(Stored(fake, "Install"), installAfter);
        QCOMPARE(Stored(fake, "Duration"), DateText(fake, 0));
        QCOMPARE(fake.openedUrls,
                 yes ? QStringList{web::PageUrl(web::PageKey::DownloadWebPage)} : QStringList{});
    }

    void secondCallTheSameDayDoesNothing() {
        FakePlatform fake;
        Store(fake, "Duration", DateText(fake, -30));
        app::CheckUpdateReminder(fake);
        const int writes = fake.storeWrites;
        app::CheckUpdateReminder(fake);
        QCOMPARE(fake.messages.size(), 1u);
        QCOMPARE(fake.storeWrites, writes);
    }

    void unreadableDateStartsAfresh() {
        FakePlatform fake;
        Store(fake, "Duration", "31.12.");
        Store(fake, "Install", "5");
        app::CheckUpdateReminder(fake);
        QVERIFY(fake.messages.empty());
        QCOMPARE(Stored(fake, "Duration"), DateText(fake, 0));
        QCOMPARE(Stored(fake, "Install"), QStringLiteral("5"));
    }

    void unreadableStoreAbandonsSilently() {
        FakePlatform fake;
        fake.storeReadable = false;
        app::CheckUpdateReminder(fake);
        QVERIFY(fake.messages.empty());
        QCOMPARE(fake.storeWrites, 0);
    }

    void failedWriteAbandonsTheRest() {
        FakePlatform fake;
        Store(fake, "Duration", DateText(fake, -20));
        fake.storeWritable = false;
        fake.answers = {MessageAnswer::Yes};
        app::CheckUpdateReminder(fake);
        QCOMPARE(fake.messages.size(), 1u);
        QVERIFY(fake.openedUrls.isEmpty());
    }

    void dateTexts_data() {
        // clang-format off
        QTest::addColumn<QString>("localeName");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("twoDigitForm");

        QTest::newRow("en_US") << "en_US" << "12/8/2026" << "12/8/26";
        QTest::newRow("de_DE") << "de_DE" << "08.12.2026" << "08.12.26";
        QTest::newRow("en_GB") << "en_GB" << "08/12/2026" << "";
        QTest::newRow("ja_JP") << "ja_JP" << "2026/12/08" << "";
        // clang-format on
    }

    void dateTexts() {
        QFETCH(QString, localeName);
        QFETCH(QString, written);
        QFETCH(QString, twoDigitForm);
        const QLocale locale(localeName);
        const QDate day(2026, 12, 8);
        QCOMPARE(app::StoredDateText(day, locale), written);
        QCOMPARE(app::ParseStoredDate(written, locale, day), day);
        if (!twoDigitForm.isEmpty())
            QCOMPARE(app::ParseStoredDate(twoDigitForm, locale, day), day);
        QVERIFY(!app::ParseStoredDate("not a date", locale, day));
    }

    void everyLocaleReadsItsDateBack_data() {
        QTest::addColumn<QLocale>("locale");
        const auto locales = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                      QLocale::AnyTerritory);
        for (const QLocale& locale : locales)
            QTest::addRow("%s", qPrintable(locale.name())) << locale;
    }

    // Whatever the user's short date format holds (right-to-left marks, letters of other
    // scripts), the date written reads back as the same day once through the scrambling.
    void everyLocaleReadsItsDateBack() {
        QFETCH(QLocale, locale);
        FakePlatform fake;
        fake.locale = locale;
        app::CheckUpdateReminder(fake); // the first run records today
        const auto stored = app::ParseStoredDate(Stored(fake, "Duration"), locale, fake.today);
        QCOMPARE(stored, std::optional<QDate>(fake.today));
        const int writes = fake.storeWrites;
        app::CheckUpdateReminder(fake); // the same day: nothing asked, nothing written
        QCOMPARE(fake.storeWrites, writes);

        Store(fake, "Duration", DateText(fake, -20));
        app::CheckUpdateReminder(fake);
        QCOMPARE(fake.messages.size(), 1u);
    }
};

QTEST_APPLESS_MAIN(UpdateReminderTest)
#include "tst_UpdateReminder.moc"
