#include "app/Settings.h"

#include "platform/Platform.h"

namespace app {

namespace {

const QString Section = QStringLiteral("Settings");

// Moves every letter of the key names past 'Z' + 100 > '\\', so no scrambled key holds
// the '/' or '\\' that the store reads as group separators, and takes the digits of a
// date out of the printable range.
constexpr int ScrambleOffset = 100;
constexpr int HighestCode = 255;

QString Shifted(const QString& text, int offset) {
    QString result;
    result.reserve(text.size());
    for (QChar c : text) {
        const int code = c.unicode() + offset;
        if (c.unicode() <= HighestCode && code >= 0 && code <= HighestCode)
            result += QChar(code);
    }
    return result;
}

} // namespace

QString EncodeSetting(const QString& text) {
    return Shifted(text, ScrambleOffset);
}

QString DecodeSetting(const QString& text) {
    return Shifted(text, -ScrambleOffset);
}

std::optional<QString> ReadSetting(platform::Platform& platform, const QString& key) {
    const auto stored = platform.ReadStoredValue(Section, EncodeSetting(key));
    if (!stored)
        return std::nullopt;
    return DecodeSetting(*stored);
}

bool WriteSetting(platform::Platform& platform, const QString& key, const QString& value) {
    return platform.WriteStoredValue(Section, EncodeSetting(key), EncodeSetting(value));
}

} // namespace app
