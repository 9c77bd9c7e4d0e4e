#include "ime/ui/win32/window_geometry.h"

#include "ime/ui/screen_geometry.h"

namespace kellavor::ui {
namespace {

ScreenRect ToScreen(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

RECT WindowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

}  // namespace

RECT WorkArea() {
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

void MoveClamped(HWND window, POINT point, POINT offset) {
  const SIZE size = WindowSize(window);
  const ScreenPoint position =
      ClampedPosition({point.x, point.y}, {offset.x, offset.y}, {size.cx, size.cy}, ToScreen(WorkArea()));
  MoveWindow(window, position.x, position.y, size.cx, size.cy, TRUE);
}

bool ResizeKeepPos(HWND window, std::optional<int> width, std::optional<int> height) {
  const SIZE size = WindowSize(window);
  const std::optional<ScreenSize> changed = ChangedSize({size.cx, size.cy}, width, height);
  if (!changed) return false;
  const POINT topLeft = WindowTopLeft(window);
  MoveWindow(window, topLeft.x, topLeft.y, changed->width, changed->height, TRUE);
  return true;
}

void MoveKeepSize(HWND window, POINT topLeft) {
  const SIZE size = WindowSize(window);
  MoveWindow(window, topLeft.x, topLeft.y, size.cx, size.cy, TRUE);
}

POINT WindowTopLeft(HWND window) {
  const RECT rect = WindowRect(window);
  return {rect.left, rect.top};
}

SIZE WindowSize(HWND window) {
  const RECT rect = WindowRect(window);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

bool IsInside(POINT point, const RECT& rect) { return IsStrictlyInside({point.x, point.y}, ToScreen(rect)); }

}  // namespace kellavor::ui
