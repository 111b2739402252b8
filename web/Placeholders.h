#pragma once
// The texts the refer-a-friend boxes show while unfilled; a box still holding its
// placeholder counts as left empty.

#include "engine/CoreNumbers.h"

#include <QString>

namespace web {

namespace Placeholder {
inline const QString Name = QStringLiteral("Your Name");
inline const QString Email = QStringLiteral("Your Email Address");
inline const QString FriendName = QStringLiteral("Friend's Name");
inline const QString FriendEmail = QStringLiteral("Friend's Email Address");
inline const QString Message = QStringLiteral("Your Message");
} // namespace Placeholder

// The engine's trimming, of code 32 only, for Qt's strings.
inline QString TrimSpaces(const QString& text) {
    const auto trimmed = engine::TrimSpaces(
        std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), text.size()));
    return QString::fromUtf16(trimmed.data(), qsizetype(trimmed.size()));
}

} // namespace web
