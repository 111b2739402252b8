#pragma once
// The texts the refer-a-friend boxes show while unfilled; a box still holding its
// placeholder counts as left empty.

#include <QString>

namespace web {

namespace Placeholder {
inline const QString Name = QStringLiteral("Your Name");
inline const QString Email = QStringLiteral("Your Email Address");
inline const QString FriendName = QStringLiteral("Friend's Name");
inline const QString FriendEmail = QStringLiteral("Friend's Email Address");
inline const QString Message = QStringLiteral("Your Message");
} // namespace Placeholder

// Leading and trailing spaces (code 32) only; tabs and line breaks stay.
inline QString TrimSpaces(const QString& text) {
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text[first] == QLatin1Char(' '))
        ++first;
    while (end > first && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.mid(first, end - first);
}

} // namespace web
