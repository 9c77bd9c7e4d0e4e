#include "ime/ui/screen_geometry.h"

#include <algorithm>

namespace kellavor::ui {
namespace {

// Coordinates fit in 32 bits, their sums not always: the arithmetic runs in 64 bits.
int32_t ClampedCoordinate(int64_t position, int64_t extent, int64_t low, int64_t high) {
  if (position + extent > high) position = high - extent;
  return static_cast<int32_t>(std::clamp<int64_t>(std::max(position, low), INT32_MIN, INT32_MAX));
}

}  // namespace

ScreenPoint ClampedPosition(ScreenPoint point, ScreenPoint offset, ScreenSize size, const ScreenRect& workArea) {
  return {ClampedCoordinate(int64_t{point.x} - offset.x, size.width, workArea.left, workArea.right),
          ClampedCoordinate(int64_t{point.y} - offset.y, size.height, workArea.top, workArea.bottom)};
}

std::optional<ScreenSize> ChangedSize(ScreenSize current, std::optional<int32_t> width, std::optional<int32_t> height) {
  const ScreenSize wanted{width.value_or(current.width), height.value_or(current.height)};
  if (wanted == current) return std::nullopt;
  return wanted;
}

bool IsStrictlyInside(ScreenPoint point, const ScreenRect& rect) {
  return rect.left < point.x && point.x < rect.right && rect.top < point.y && point.y < rect.bottom;
}

}  // namespace kellavor::ui
