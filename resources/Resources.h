#pragma once
// Where the images compiled into the program are found.

#include <QString>

#include <initializer_list>

namespace resources {

// The application icon, rendered at these sizes from its SVG when the program is built.
constexpr std::initializer_list<int> ApplicationIconSizes{16, 24, 32, 48, 64, 128, 256};
inline QString ApplicationIconPath(int size) { return QStringLiteral(":/icons/%1.png").arg(size); }

// Keeps the linker from dropping the images of a static library; call once before use.
void Initialize();

} // namespace resources
