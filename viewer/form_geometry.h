// The arithmetic of the detail form: the drag and resize zones of its border, a drag step, and
// the place beside the module's composition or candidate window.
#pragma once

#include <cstdint>
#include <optional>

#include "ime/ui/screen_geometry.h"

namespace kellavor::viewer {

struct FormRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
  friend bool operator==(const FormRect&, const FormRect&) = default;
};

using WorkArea = ui::ScreenRect;

// Within this many pixels of the right or bottom edge the pointer resizes.
inline constexpr int32_t kResizeZone = 10;
// A resize never makes the form narrower or lower than this.
inline constexpr int32_t kSmallestSide = 50;

struct Zones {
  bool right = false;
  bool bottom = false;
  friend bool operator==(const Zones&, const Zones&) = default;
};

enum class DragCursor { kMove, kSizeWe, kSizeNs, kSizeNwse };

// The zones of a pointer at x, y (in the coordinates of the element under it) on a form of that size.
Zones ZonesAt(int32_t x, int32_t y, int32_t width, int32_t height);
DragCursor CursorFor(Zones zones);

// One pointer move during a drag that began at origin (same coordinates as x, y) in zones: the
// form's new rectangle, or none when nothing changes. A move is kept inside the work area.
std::optional<FormRect> DragStep(const FormRect& form, Zones zones, int32_t originX, int32_t originY, int32_t x,
                                 int32_t y, const WorkArea& area);

// Where the form goes beside a module window: to its right (or, with no room, its left) when
// vertical, otherwise below it (or, with no room, above it), 10 pixels away.
FormRect PlaceBeside(const FormRect& form, const FormRect& target, bool vertical, const WorkArea& area);

}  // namespace kellavor::viewer
