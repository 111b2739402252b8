// Page URLs and the one call that opens them.

#include "support/FakePlatform.h"
#include "web/OpenPage.h"

#include <QTest>
#include <QUrl>

using web::PageKey;

class OpenPageTest : public QObject {
    Q_OBJECT

private slots:
    void pageUrls_data() {
        QTest::addColumn<PageKey>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("home") << PageKey::HomePage << "home-page";
        QTest::newRow("help") << PageKey::HelpWebPage << "help-web-page";
        QTest::newRow("download") << PageKey::DownloadWebPage << "download-web-page";
        QTest::newRow("donate") << PageKey::Donate << "donate";
        QTest::newRow("co-brand") << PageKey::CoBrand << "co-brand";
        QTest::newRow("fully-branded") << PageKey::FullyBranded << "fully-branded";
        QTest::newRow("family of programs") << PageKey::CalvoraSoftwares << "calvorasoftwares";
        QTest::newRow("referral") << PageKey::ReferAFriend << "nvsw-refer-a-friend";
    }

    void pageUrls() {
        QFETCH(PageKey, key);
        QFETCH(QString, text);
        const QString url = web::PageUrl(key);
        QCOMPARE(url, web::SiteRoot() + "/nuvra-karmic-debt-number/ssd.php?page=" + text);
        // A key needs no escaping: the URL reads back exactly as built.
        const QUrl parsed(url, QUrl::StrictMode);
        QVERIFY(parsed.isValid());
        QCOMPARE(parsed.toString(QUrl::FullyEncoded), url);
    }

    void siteRootHasNoTrailingSlash() {
        QVERIFY(web::SiteRoot().startsWith("http"));
        QVERIFY(!web::SiteRoot().endsWith('/'));
        QCOMPARE(web::ProductPageUrl(), web::SiteRoot() + "/nuvra-karmic-debt-number/");
    }

    void everyActivationOpensAgain() {
        testing::FakePlatform fake;
        web::OpenPage(fake, PageKey::Donate);
        web::OpenPage(fake, PageKey::Donate);
        QCOMPARE(fake.openedUrls.size(), 2);
        QVERIFY(fake.openedUrls[1].endsWith("/nuvra-karmic-debt-number/ssd.php?page=donate"));
    }
};

QTEST_APPLESS_MAIN(OpenPageTest)
#include "tst_OpenPage.moc"
