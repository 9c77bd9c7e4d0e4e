// A theme image for the skin tests: a 48 x 30 bar, a white face with a dark frame, its four
// corners in the key colour magenta (255, 0, 255).
#pragma once

#include <filesystem>

namespace kellavor::wine {

inline constexpr int kThemeBitmapWidth = 48;
inline constexpr int kThemeBitmapHeight = 30;

// Writes the bar as a 24-bit BMP file.
void WriteThemeBitmap(const std::filesystem::path& file);

}  // namespace kellavor::wine
