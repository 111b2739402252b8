#pragma once
// Where the images compiled into the program are found.

namespace resources {

// The application icon, as a Qt resource path to an SVG image.
constexpr char ApplicationIconPath[] = ":/icons/nuvra-karmic-debt-number.svg";

// Keeps the linker from dropping the images of a static library; call once before use.
void Initialize();

} // namespace resources
