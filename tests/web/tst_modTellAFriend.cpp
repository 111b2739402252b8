// The referral URL: every value reaches the site whole, in the fixed key order.

#include "FakePlatform.h"
#include "OpenPage.h"
#include "modTellAFriend.h"

#include <QTest>
#include <QUrlQuery>

using web::ReferralValues;

class modTellAFriendTest : public QObject {
    Q_OBJECT

private slots:
    void exactUrl();
    void valuesComeBackWhole_data();
    void valuesComeBackWhole();
    void missingValues_data();
    void missingValues();
};

void modTellAFriendTest::exactUrl() {
    const ReferralValues values{"A&B=C", "a@b.org", "Hi #1?\r\n", QString::fromUtf8("Jürgen Ø"),
                                "j+x@b.org"};
    const QString root = web::SiteRoot();
    QCOMPARE(web::BuildReferUrl(values),
             root +
                 "/nuvra-karmic-debt-number/ssd.php?page=nvsw-refer-a-friend"
                 "&taf1=A%26B%3DC&taf2=a%40b.org&taf3=Hi%20%231%3F%0D%0A"
                 "&taf4=J%C3%BCrgen%20%C3%98&taf5=j%2Bx%40b.org&taf6=" +
                 QUrl::toPercentEncoding(root + "/nuvra-karmic-debt-number/"));
}

void modTellAFriendTest::valuesComeBackWhole_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("plain") << "Ann";
    QTest::newRow("query marks") << "a&b=c?d#e";
    QTest::newRow("percent") << "100% %41";
    QTest::newRow("line breaks and tabs") << "line\r\nnext\tcol";
    QTest::newRow("non-ASCII") << QString::fromUtf8("Zoë 山田 🙂");
    QTest::newRow("plus and slash") << "a+b/c\\d";
    QTest::newRow("long") << QString(100000, QLatin1Char('m'));
}

void modTellAFriendTest::valuesComeBackWhole() {
    QFETCH(QString, value);
    const ReferralValues values{value, value, value, value, value};
    const QString url = web::BuildReferUrl(values);
    const QUrlQuery query(QUrl(url, QUrl::StrictMode));
    const auto items = query.queryItems(QUrl::FullyDecoded);
    QCOMPARE(items.size(), 7);
    QCOMPARE(items[0].first, QStringLiteral("page"));
    for (int i = 1; i <= 5; ++i) {
        QCOMPARE(items[i].first, QStringLiteral("taf%1").arg(i));
        QCOMPARE(items[i].second, value);
    }
    QCOMPARE(items[6].first, QStringLiteral("taf6"));
    QCOMPARE(items[6].second, web::ProductPageUrl());
}

void modTellAFriendTest::missingValues_data() {
    QTest::addColumn<int>("missing"); // one bit per value, in the order of the form
    QTest::addColumn<QString>("message");
    QTest::newRow("name") << 0b00001 << "Please Enter Your Name";
    QTest::newRow("email") << 0b00010 << "Please Enter Your Email";
    QTest::newRow("message") << 0b00100 << "Please Enter Your Message";
    QTest::newRow("friend's name") << 0b01000 << "Please Enter Your Friend's Name";
    QTest::newRow("friend's email") << 0b10000 << "Please Enter Your Friend's Email";
    // With more than one missing, the earliest in the order speaks.
    QTest::newRow("name and message") << 0b00101 << "Please Enter Your Name";
    QTest::newRow("message and friend's name") << 0b01100 << "Please Enter Your Message";
    QTest::newRow("email and friend's email") << 0b10010 << "Please Enter Your Email";
}

void modTellAFriendTest::missingValues() {
    QFETCH(int, missing);
    QFETCH(QString, message);
    const QString placeholders[] = {"Your Name", "Your Email Address", "Your Message",
                                    "Friend's Name", "Friend's Email Address"};
    for (const bool asPlaceholder : {true, false}) {
        testing::FakePlatform fake;
        web::modTellAFriend referral(fake);
        QString texts[] = {"Ann", "a@b.org", "Hello", "Bob", "c@d.org"};
        for (int i = 0; i < 5; ++i) {
            if (missing & (1 << i))
                texts[i] = asPlaceholder ? " " + placeholders[i] + " " : QString("  ");
        }
        referral.Values = {texts[0], texts[1], texts[2], texts[3], texts[4]};
        referral.SubmitReferral();
        QCOMPARE(fake.messages.size(), 1u);
        QCOMPARE(fake.messages[0].text, message);
        QVERIFY(fake.openedUrls.isEmpty());
    }
}

QTEST_APPLESS_MAIN(modTellAFriendTest)
#include "tst_modTellAFriend.moc"
