#pragma once
// The two values kept between runs, in the per-user settings store under section
// "Settings", with key names and values scrambled so neither can be read there in plain.

#include <QString>

#include <optional>

namespace platform {
class Platform;
}

namespace app {

// Shifts every character's 8-bit code up by a fixed offset. A character outside 0..255,
// or one the shift would carry past 255, is dropped.
QString EncodeSetting(const QString& text);
// The shift back; a character that would fall below 0 is dropped.
QString DecodeSetting(const QString& text);

// The empty text for an absent key; nullopt when the store cannot be read.
std::optional<QString> ReadSetting(platform::Platform& platform, const QString& key);
// False when the store refused the value.
bool WriteSetting(platform::Platform& platform, const QString& key, const QString& value);

} // namespace app
