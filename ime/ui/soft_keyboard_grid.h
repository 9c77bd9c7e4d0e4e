// The module's own soft-keyboard window drawn as a keyboard: the 47 character keys in four
// staggered rows as on a US keyboard, their cells in client coordinates, and which key a point
// hits.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "ime/ui/screen_geometry.h"

namespace kellavor::ui {

struct KeyCell {
  uint8_t virtualKey;
  ScreenRect rect;
};

// The 47 keys, row by row from the digits down, left to right.
std::span<const KeyCell> SoftKeyboardCells();

// The window's client size: the rows with a margin around them.
ScreenSize SoftKeyboardGridSize();

// The key whose cell holds the point strictly inside; none between the keys.
std::optional<uint8_t> SoftKeyAt(ScreenPoint point);

}  // namespace kellavor::ui
