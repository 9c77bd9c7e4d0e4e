#include "viewer/form_geometry.h"

namespace kellavor::viewer {
namespace {

constexpr int32_t kGap = 10;

}  // namespace

Zones ZonesAt(int32_t x, int32_t y, int32_t width, int32_t height) {
  return {width - kResizeZone <= x && x <= width, height - kResizeZone <= y && y <= height};
}

DragCursor CursorFor(Zones zones) {
  if (zones.right && zones.bottom) return DragCursor::kSizeNwse;
  if (zones.right) return DragCursor::kSizeWe;
  if (zones.bottom) return DragCursor::kSizeNs;
  return DragCursor::kMove;
}

std::optional<FormRect> DragStep(const FormRect& form, Zones zones, int32_t originX, int32_t originY, int32_t x,
                                 int32_t y, const WorkArea& area) {
  FormRect next = form;
  if (zones.right || zones.bottom) {
    if (zones.right && x >= kSmallestSide) next.width = x;
    if (zones.bottom && y >= kSmallestSide) next.height = y;
  } else {
    int64_t left = int64_t{form.left} + (int64_t{x} - originX);
    int64_t top = int64_t{form.top} + (int64_t{y} - originY);
    if (left + form.width > area.right) left = int64_t{area.right} - form.width;
    if (top + form.height > area.bottom) top = int64_t{area.bottom} - form.height;
    if (left < area.left) left = area.left;
    if (top < area.top) top = area.top;
    next.left = static_cast<int32_t>(left);
    next.top = static_cast<int32_t>(top);
  }
  if (next == form) return std::nullopt;
  return next;
}

FormRect PlaceBeside(const FormRect& form, const FormRect& target, bool vertical, const WorkArea& area) {
  FormRect placed = form;
  if (vertical) {
    placed.left = target.left + target.width + kGap;
    if (placed.left + form.width > area.right) placed.left = target.left - form.width - kGap;
    placed.top = target.top;
  } else {
    placed.left = target.left;
    placed.top = target.top + target.height + kGap;
    if (placed.top + form.height > area.bottom) placed.top = target.top - form.height - kGap;
  }
  return placed;
}

}  // namespace kellavor::viewer
