#include "ime/settings/win32/ext_event_window.h"

#include "ime/platform/call_guarded.h"

namespace kellavor::settings {
namespace {

// The process's one window; class registration is process-wide as well.
HWND& EventWindow() {
  static HWND window = nullptr;
  return window;
}

bool Dispatch(ExtEventActions& actions, UINT message) {
  switch (message) {
    case WM_IMEEXT_CLEARUSER: actions.ClearUserDictionary(); return true;
    case WM_IMEEXT_SAVEUSER: actions.SaveUserDictionary(); return true;
    case WM_IMEEXT_CLOSEUSER: actions.CloseUserDictionary(); return true;
    case WM_IMEEXT_REOPENUSER: actions.ReopenUserDictionary(); return true;
    case WM_IMEEXT_RELEASEPHRASES: actions.ReleasePhraseTable(); return true;
    case WM_IMEEXT_NOOP: return true;
    case WM_IMEEXT_RELOADSETTINGS: actions.ReloadSettings(); return true;
    case WM_IMEEXT_THEMECHANGED: actions.ReloadTheme(); return true;
    default: return false;
  }
}

LRESULT CALLBACK ExtEventWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* actions = reinterpret_cast<ExtEventActions*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  // A failing action still counts as handled: the sender asked for it and cannot do more.
  if (actions != nullptr && platform::CallGuarded(true, [&] { return Dispatch(*actions, message); })) return 1;
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

bool CreateExtEventWindow(HINSTANCE instance, ExtEventActions& actions) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  windowClass.lpfnWndProc = &ExtEventWindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kExtEventClassName;
  if (RegisterClassExW(&windowClass) == 0) return false;
  HWND window = CreateWindowExW(0, kExtEventClassName, kExtEventWindowTitle, WS_POPUP | WS_DISABLED, 0, 0, 10, 10,
                                nullptr, nullptr, instance, &actions);
  if (window == nullptr) {
    UnregisterClassW(kExtEventClassName, instance);
    return false;
  }
  ShowWindow(window, SW_HIDE);
  EventWindow() = window;
  return true;
}

void DestroyExtEventWindow(HINSTANCE instance) {
  if (EventWindow() != nullptr && IsWindow(EventWindow())) DestroyWindow(EventWindow());
  EventWindow() = nullptr;
  UnregisterClassW(kExtEventClassName, instance);
}

}  // namespace kellavor::settings
