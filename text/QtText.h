#pragma once
// The program's own text conventions carried over to Qt's strings. Its texts break lines
// with CR LF (and the update question with a lone CR), where Qt's labels and text boxes
// break them with LF alone; and a trim takes away spaces (code 32) only.

#include "engine/CoreNumbers.h"

#include <QString>

namespace text {

// CR LF and a lone CR become LF.
inline QString WithQtLineBreaks(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// The engine's trimming, of code 32 only: tabs and line breaks stay.
inline QString TrimSpaces(const QString& text) {
    const auto trimmed = engine::TrimSpaces(
        std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), text.size()));
    return QString::fromUtf16(trimmed.data(), qsizetype(trimmed.size()));
}

} // namespace text
