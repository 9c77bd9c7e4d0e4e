// The arithmetic of the module's windows on screen, apart from the window system so that it can
// be tested anywhere: keeping a window inside the work area, sizing it, hit tests.
#pragma once

#include <cstdint>
#include <optional>

namespace kellavor::ui {

struct ScreenPoint {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

struct ScreenSize {
  int32_t width = 0;
  int32_t height = 0;
  friend bool operator==(const ScreenSize&, const ScreenSize&) = default;
};

struct ScreenRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// Where a window of the given size goes when it is put at point minus offset: pushed back from
// the right and bottom edges of the work area, then from the left and top ones, so that a window
// larger than the work area ends at its left or top edge.
ScreenPoint ClampedPosition(ScreenPoint point, ScreenPoint offset, ScreenSize size, const ScreenRect& workArea);

// The size a window takes when it is resized to width and height, either of which may be left
// out to keep the current one; absent when that is the current size.
std::optional<ScreenSize> ChangedSize(ScreenSize current, std::optional<int32_t> width, std::optional<int32_t> height);

// A point is inside only when it is strictly inside: points on an edge are outside.
bool IsStrictlyInside(ScreenPoint point, const ScreenRect& rect);

}  // namespace kellavor::ui
