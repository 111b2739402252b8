#pragma once
// What must hold of the settings scrambling for any text: no text grows, and decoding
// undoes encoding for every text whose characters the shift keeps. The fuzzer asks it of
// every input it makes, and a test of every input in the corpus.

#include "app/Settings.h"
#include "fuzz/FuzzInput.h"

#include <cstddef>
#include <cstdint>

namespace fuzzchecks {

inline bool SettingsHold(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromStdU16String(SplitFields(data, size, 1)[0]);

    const QString encoded = app::EncodeSetting(text);
    const QString decoded = app::DecodeSetting(text);
    if (encoded.size() > text.size() || decoded.size() > text.size())
        return false;

    // Keep what the shift can carry: codes from 0 up to the highest one that stays 8-bit.
    const int highestKept = 255 - app::EncodeSetting(QStringLiteral("\x01")).at(0).unicode() + 1;
    QString kept;
    for (QChar c : text) {
        if (c.unicode() <= highestKept)
            kept += c;
    }
    if (app::DecodeSetting(app::EncodeSetting(kept)) != kept)
        return false;
    return true;
}

} // namespace fuzzchecks
