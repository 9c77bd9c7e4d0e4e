#include "viewer/win32/message_window.h"

namespace kellavor::viewer {
namespace {

LRESULT CALLBACK MessageWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kViewerCommandMessage) {
    auto* controller = reinterpret_cast<ViewerController*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return controller != nullptr ? controller->HandleCommand(wParam) : 1;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

HWND CreateViewerMessageWindow(HINSTANCE instance, ViewerController& controller) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  windowClass.lpfnWndProc = MessageWindowProcedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kMessageWindowClass;
  if (RegisterClassExW(&windowClass) == 0) return nullptr;
  HWND window = CreateWindowExW(0, kMessageWindowClass, kMessageWindowTitle, WS_POPUP | WS_DISABLED, 0, 0, 10, 10,
                                nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return nullptr;
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&controller));
  ShowWindow(window, SW_HIDE);
  return window;
}

void DestroyViewerMessageWindow(HINSTANCE instance, HWND window) {
  if (window != nullptr && IsWindow(window)) DestroyWindow(window);
  UnregisterClassW(kMessageWindowClass, instance);
}

}  // namespace kellavor::viewer
