// The referral URL: whatever the five values hold, parsing the URL's query gives each one
// back whole, under its own key, in the fixed order.

#include "FuzzInput.h"
#include "OpenPage.h"
#include "modTellAFriend.h"

#include <QUrl>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto fields = SplitFields(data, size, 5);
    QString values[5];
    for (int i = 0; i < 5; ++i)
        values[i] = QString::fromStdU16String(fields[i]);
    const QString url = web::BuildReferUrl({values[0], values[1], values[2], values[3], values[4]});

    const QUrl parsed(url, QUrl::StrictMode);
    if (!parsed.isValid())
        std::abort();
    // Parsed as a site would: split at "&" and "=", then percent-decode as UTF-8.
    QList<QPair<QString, QString>> items;
    for (const QString& item : parsed.query(QUrl::FullyEncoded).split(QLatin1Char('&'))) {
        const QStringList parts = item.split(QLatin1Char('='));
        if (parts.size() != 2)
            std::abort();
        items.append(
            {parts[0], QString::fromUtf8(QByteArray::fromPercentEncoding(parts[1].toLatin1()))});
    }
    if (items.size() != 7 ||
        items[0] != qMakePair(QStringLiteral("page"), QStringLiteral("nvsw-refer-a-friend")))
        std::abort();
    for (int i = 0; i < 5; ++i) {
        // UTF-8 cannot carry a lone surrogate; everything else must arrive unchanged.
        const QString expected = QString::fromUtf8(values[i].toUtf8());
        if (items[i + 1].first != QStringLiteral("taf%1").arg(i + 1) ||
            items[i + 1].second != expected)
            std::abort();
    }
    if (items[6].first != QStringLiteral("taf6") || items[6].second != web::ProductPageUrl())
        std::abort();
    return 0;
}
