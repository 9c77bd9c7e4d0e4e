#include "ime/module/win32/posted_task.h"

#include <utility>

#include "ime/platform/call_guarded.h"

namespace kellavor::module {
namespace {

constexpr wchar_t kClassName[] = L"KellavorIME_PostedTask";
constexpr UINT kRunMessage = WM_APP + 1;

}  // namespace

PostedTask::PostedTask(HINSTANCE instance, std::function<void()> task) : instance_(instance), task_(std::move(task)) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &WindowProc;
  windowClass.hInstance = instance_;
  windowClass.lpszClassName = kClassName;
  RegisterClassExW(&windowClass);
  window_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance_, this);
  if (window_ == nullptr || !PostMessageW(window_, kRunMessage, 0, 0)) Run();
}

PostedTask::~PostedTask() {
  if (window_ != nullptr) DestroyWindow(window_);
  UnregisterClassW(kClassName, instance_);
}

void PostedTask::Run() {
  if (window_ != nullptr) DestroyWindow(window_);
  window_ = nullptr;
  std::function<void()> task = std::move(task_);
  task_ = nullptr;
  if (task) platform::CallGuarded(true, [&] {
    task();
    return true;
  });
}

LRESULT CALLBACK PostedTask::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* task = reinterpret_cast<PostedTask*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == kRunMessage && task != nullptr && task->window_ == window) {
    task->Run();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace kellavor::module
