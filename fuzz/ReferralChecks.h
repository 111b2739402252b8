#pragma once
// What must hold of the referral URL whatever the five values hold: parsing its query gives
// each one back whole, under its own key, in the fixed order. The fuzzer asks it of every
// input it makes, and a test of every input in the corpus.

#include "fuzz/FuzzInput.h"
#include "web/OpenPage.h"
#include "web/modTellAFriend.h"

#include <QUrl>

#include <cstddef>
#include <cstdint>

namespace fuzzchecks {

inline bool ReferralHolds(const std::uint8_t* data, std::size_t size) {
    const auto fields = SplitFields(data, size, 5);
    QString values[5];
    for (int i = 0; i < 5; ++i)
        values[i] = QString::fromStdU16String(fields[i]);
    const QString url = web::BuildReferUrl({values[0], values[1], values[2], values[3], values[4]});

    const QUrl parsed(url, QUrl::StrictMode);
    if (!parsed.isValid())
        return false;
    // Parsed as a site would: split at "&" and "=", then percent-decode as UTF-8.
    QList<QPair<QString, QString>> items;
    for (const QString& item : parsed.query(QUrl::FullyEncoded).split(QLatin1Char('&'))) {
        const QStringList parts = item.split(QLatin1Char('='));
        if (parts.size() != 2)
            return false;
        items.append(
            {parts[0], QString::fromUtf8(QByteArray::fromPercentEncoding(parts[1].toLatin1()))});
    }
    if (items.size() != 7 ||
        items[0] != qMakePair(QStringLiteral("page"), QStringLiteral("nvsw-refer-a-friend")))
        return false;
    for (int i = 0; i < 5; ++i) {
        // UTF-8 cannot carry a lone surrogate; everything else must arrive unchanged.
        const QString expected = QString::fromUtf8(values[i].toUtf8());
        if (items[i + 1].first != QStringLiteral("taf%1").arg(i + 1) ||
            items[i + 1].second != expected)
            return false;
    }
    if (items[6].first != QStringLiteral("taf6") || items[6].second != web::ProductPageUrl())
        return false;
    return true;
}

} // namespace fuzzchecks
