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

} // namespace web
