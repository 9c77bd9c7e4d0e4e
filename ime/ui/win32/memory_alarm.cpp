#include "ime/ui/win32/memory_alarm.h"

#include <windows.h>

#include "ime/platform/win32/wide.h"

namespace kellavor::ui {

void ShowMemoryAlarm(const std::u16string& text, int x, int y) {
  HWND window = GetForegroundWindow();
  if (window == nullptr) return;
  RECT area{x, y, 4000, 4000};
  InvalidateRect(window, &area, FALSE);
  PAINTSTRUCT paint{};
  if (HDC dc = BeginPaint(window, &paint); dc != nullptr) {
    DrawTextW(dc, platform::Wide(text), static_cast<int>(text.size()), &area, 0);
    EndPaint(window, &paint);
  }
  ValidateRect(window, &area);
}

}  // namespace kellavor::ui
