#pragma once
// The names the program shows in its windows and message boxes.

#include <QString>

namespace platform {

// Caption of every message box that names none of its own.
inline const QString AppTitle = QStringLiteral("Nuvra Karmic Debt Number");
// Caption of every screen.
inline const QString ScreenTitle = QStringLiteral("Nuvra Karmic Debt Number v1.90");

} // namespace platform
