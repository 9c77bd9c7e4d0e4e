#include "ime/settings/win32/ext_event_broadcast.h"

#include <vector>

#include "ime/settings/win32/ext_event_window.h"

namespace kellavor::settings {

int SendToEveryEventWindow(UINT message) {
  // The windows are collected first: a receiver may create or destroy windows while it reloads.
  std::vector<HWND> windows;
  for (HWND window = nullptr;
       (window = FindWindowExW(nullptr, window, kExtEventClassName, kExtEventWindowTitle)) != nullptr;) {
    windows.push_back(window);
  }
  int answered = 0;
  for (HWND window : windows) {
    DWORD_PTR result = 0;
    if (SendMessageTimeoutW(window, message, 0, 0, SMTO_ABORTIFHUNG | SMTO_NORMAL, 5000, &result) != 0) ++answered;
  }
  return answered;
}

}  // namespace kellavor::settings
