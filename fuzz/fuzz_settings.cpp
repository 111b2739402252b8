// The settings scrambling: never a crash on any text, and decoding undoes encoding for
// every text whose characters the shift keeps.

#include "FuzzInput.h"
#include "Settings.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromStdU16String(SplitFields(data, size, 1)[0]);

    const QString encoded = app::EncodeSetting(text);
    const QString decoded = app::DecodeSetting(text);
    if (encoded.size() > text.size() || decoded.size() > text.size())
        std::abort();

    // Keep what the shift can carry: codes from 0 up to the highest one that stays 8-bit.
    const int highestKept = 255 - app::EncodeSetting(QStringLiteral("\x01")).at(0).unicode() + 1;
    QString kept;
    for (QChar c : text) {
        if (c.unicode() <= highestKept)
            kept += c;
    }
    if (app::DecodeSetting(app::EncodeSetting(kept)) != kept)
        std::abort();
    return 0;
}
