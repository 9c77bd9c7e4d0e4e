#include "ime/platform/copy_data_receiver.h"

#include <windows.h>

#include <cstring>

#include "ime/platform/win32/wide.h"

namespace kellavor::platform {

struct CopyDataReceiver::Window {
  HWND handle = nullptr;
  std::vector<CopyDataMessage> received;
};

namespace {

LRESULT CALLBACK ReceiverProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  } else if (message == WM_COPYDATA) {
    auto* state = reinterpret_cast<CopyDataReceiver::Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    const auto* block = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (state != nullptr && block != nullptr) {
      CopyDataMessage received;
      received.dwData = block->dwData;
      received.data.resize(block->cbData);
      if (block->cbData > 0 && block->lpData != nullptr) std::memcpy(received.data.data(), block->lpData, block->cbData);
      state->received.push_back(std::move(received));
      return TRUE;
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HINSTANCE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&ReceiverProcedure), &module);
  return module;
}

}  // namespace

CopyDataReceiver::CopyDataReceiver(const std::u16string& className, const std::u16string& title)
    : window_(new Window) {
  WNDCLASSW windowClass {};
  windowClass.lpfnWndProc = ReceiverProcedure;
  windowClass.hInstance = ThisModule();
  windowClass.lpszClassName = Wide(className);
  // A second receiver of the same class shares the registration.
  RegisterClassW(&windowClass);
  window_->handle = CreateWindowExW(0, Wide(className), Wide(title), WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                    windowClass.hInstance, window_.get());
}

CopyDataReceiver::~CopyDataReceiver() {
  if (window_->handle == nullptr) return;
  wchar_t className[256] = {};
  GetClassNameW(window_->handle, className, 256);
  DestroyWindow(window_->handle);
  UnregisterClassW(className, ThisModule());  // refused while another window of the class lives
}

bool CopyDataReceiver::exists() const { return window_->handle != nullptr; }

const std::vector<CopyDataMessage>& CopyDataReceiver::received() const { return window_->received; }

}  // namespace kellavor::platform
