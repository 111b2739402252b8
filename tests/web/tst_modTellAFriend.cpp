// The referral URL: every value reaches the site whole, in the fixed key order.

#include "support/FakePlatform.h"
#include "web/OpenPage.h"
#include "web/modTellAFriend.h"

#include <QTest>
#include <QUrlQuery>

using web::ReferralValues;
Q_DECLARE_METATYPE(ReferralValues)

class modTellAFriendTest : public QObject {
    Q_OBJECT

private slots:
    void exactUrl() {
        const ReferralValues values{"A&B=C", "a@b.org", "Hi #1?\r\n", QString::fromUtf8("Jürgen Ø"),
                                    "j+x@b.org"};
        const QString root = web::SiteRoot();
        QCOMPARE(web::BuildReferUrl(values),
                 root +
                     "/nuvra-karmic-debt-number/ssd.php?page=nvsw-refer-a-friend"
                     "&taf1=A%26B%3DC&taf2=a%40b.org&taf3=Hi%20%231%3F%0D%0A"
                     "&taf4=J%C3%BCrgen%20%C3%98&taf5=j%2Bx%40b.org&taf6=" +
                     root + "/nuvra-karmic-debt-number/");
    }

    void valuesComeBackWhole_data() {
        QTest::addColumn<QString>("value");
        QTest::newRow("plain") << "Ann";
        QTest::newRow("query marks") << "a&b=c?d#e";
        QTest::newRow("percent") << "100% %41";
        QTest::newRow("line breaks and tabs") << "line\r\nnext\tcol";
        QTest::newRow("non-ASCII") << QString::fromUtf8("Zoë 山田 🙂");
        QTest::newRow("plus and slash") << "a+b/c\\d";
        QTest::newRow("long") << QString(100000, QLatin1Char('m'));
    }

    void valuesComeBackWhole() {
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

    void firstProblem_data() {
        // clang-format off
        QTest::addColumn<ReferralValues>("values");
        QTest::addColumn<QString>("message"); // empty: the values may be sent

        const ReferralValues good{"Ann", "a@b.org", "Hello", "Bob", "c@d.org"};
        const auto with = [&](int missing, bool asPlaceholder) {
            // One bit per value, in the order of the form.
            const QString placeholders[] = {"Your Name", "Your Email Address", "Your Message",
                                            "Friend's Name", "Friend's Email Address"};
            QString texts[] = {good.ReferName, good.ReferEmail, good.ReferMessage, good.ReferFriendName,
                               good.ReferFriendEmail};
            for (int i = 0; i < 5; ++i) {
                if (missing & (1 << i))
                    texts[i] = asPlaceholder ? " " + placeholders[i] + " " : QString("  ");
            }
            return ReferralValues{texts[0], texts[1], texts[2], texts[3], texts[4]};
        };
        QTest::newRow("all filled") << good << "";
        QTest::newRow("untouched message passes") << ReferralValues{"Ann", "a@b.org", "Your Message\r\n", "Bob", "c@d.org"} << "";
        for (const bool asPlaceholder : {true, false}) {
            const char* how = asPlaceholder ? "placeholder" : "spaces";
            const auto row = [&](const char* name, int missing, const char* message) {
                QTest::addRow("%s: %s", how, name) << with(missing, asPlaceholder) << message;
            };
            row("name", 0b00001, "Please Enter Your Name");
            row("message", 0b00100, "Please Enter Your Message");
            row("friend's name", 0b01000, "Please Enter Your Friend's Name");
            // With more than one missing, the earliest in the order speaks.
            row("name and message", 0b00101, "Please Enter Your Name");
            row("message and friend's name", 0b01100, "Please Enter Your Message");
        }
        const QString proper = "Please Enter Proper Email Address";
        const QString distinct = "Please Enter Distinct Email Addresses";
        QTest::newRow("both addresses at their placeholders") << with(0b10010, true) << proper;
        QTest::newRow("same address, even without @") << ReferralValues{"", "x", "", "", "x"} << distinct;
        QTest::newRow("addresses differing in case are distinct") << ReferralValues{"Ann", "A@b.org", "Hi", "Bob", "a@b.org"} << "";
        QTest::newRow("no @") << ReferralValues{"Ann", "ab.org", "Hi", "Bob", "c@d.org"} << proper;
        QTest::newRow("friend's without .") << ReferralValues{"Ann", "a@b.org", "Hi", "Bob", "c@dorg"} << proper;
        QTest::newRow("addresses before names") << ReferralValues{"", "a@b.org", "", "", "c@dorg"} << proper;
        // clang-format on
    }

    void firstProblem() {
        QFETCH(ReferralValues, values);
        QFETCH(QString, message);
        QCOMPARE(web::ReferralProblem(values).value_or(QString()), message);
    }

    void submitRefusesOrOpens() {
        testing::FakePlatform fake;
        web::modTellAFriend referral(fake);
        referral.SubmitReferral({"Ann", "a@b.org", "Hi", "", "c@d.org"});
        QCOMPARE(fake.messages, testing::OneMessage("Please Enter Your Friend's Name",
                                                    platform::MessageIcon::Stop));
        QVERIFY(fake.openedUrls.isEmpty());
        QCOMPARE(referral.Values().ReferFriendName, QString()); // kept until the next press

        const ReferralValues values{"Ann", "a@b.org", "Hi", "Bob", "c@d.org"};
        referral.SubmitReferral(values);
        QCOMPARE(fake.messages.size(), 1u);
        QCOMPARE(fake.openedUrls, QStringList{web::BuildReferUrl(values)});
        QCOMPARE(referral.ReferUrl(), fake.openedUrls[0]);
    }
};

QTEST_APPLESS_MAIN(modTellAFriendTest)
#include "tst_modTellAFriend.moc"
