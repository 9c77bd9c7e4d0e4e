#include "ext_writer/win32/writer_window.h"

#include <span>

namespace kellavor::ext_writer {
namespace {

constexpr UINT_PTR kSaveTimer = 1;
constexpr UINT kSaveDelayMs = 3000;

struct WriterState {
  RequestPerformer& performer;
  lexicon::UserDictionary& dictionary;
};

WriterState* StateOf(HWND window) { return reinterpret_cast<WriterState*>(GetWindowLongPtrW(window, GWLP_USERDATA)); }

LRESULT OnCopyData(HWND window, WriterState& state, const COPYDATASTRUCT* block) {
  if (block == nullptr || (block->cbData > 0 && block->lpData == nullptr)) return FALSE;
  const std::span<const uint8_t> data(static_cast<const uint8_t*>(block->lpData), block->cbData);
  const bool done = state.performer.Perform(block->dwData, data);
  // Learnings arrive in bursts while someone types; one save follows the last of them.
  if (state.performer.TakeLearned()) SetTimer(window, kSaveTimer, kSaveDelayMs, nullptr);
  return done ? TRUE : FALSE;
}

LRESULT CALLBACK WriterProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    return DefWindowProcW(window, message, wParam, lParam);
  }
  WriterState* state = StateOf(window);
  if (state == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_COPYDATA:
      return OnCopyData(window, *state, reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_TIMER:
      if (wParam != kSaveTimer) break;
      KillTimer(window, kSaveTimer);
      state->dictionary.SaveUserDictionary();
      return 0;
    case WM_ENDSESSION:
      if (wParam) state->dictionary.SaveUserDictionary();
      return 0;
    case WM_DESTROY:
      KillTimer(window, kSaveTimer);
      state->dictionary.SaveUserDictionary();
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      delete state;
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// Lets copy-data messages of processes with a lower integrity level through. The function is
// looked up at run time: systems without integrity levels have none and need none.
void AcceptCopyDataFromBelow(HWND window) {
  using FilterFunction = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
  HMODULE user = GetModuleHandleW(L"user32.dll");
  if (user == nullptr) return;
  const auto filter = reinterpret_cast<FilterFunction>(
      reinterpret_cast<void*>(GetProcAddress(user, "ChangeWindowMessageFilterEx")));
  constexpr DWORD kAllow = 1;  // MSGFLT_ALLOW
  if (filter != nullptr) filter(window, WM_COPYDATA, kAllow, nullptr);
}

}  // namespace

HWND CreateWriterWindow(HINSTANCE instance, RequestPerformer& performer, lexicon::UserDictionary& dictionary) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WriterProcedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kWriterClass;
  if (RegisterClassW(&windowClass) == 0) return nullptr;
  auto* state = new WriterState{performer, dictionary};
  HWND window = CreateWindowExW(0, kWriterClass, kWriterTitle, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, state);
  if (window == nullptr) {
    delete state;
    return nullptr;
  }
  AcceptCopyDataFromBelow(window);
  return window;
}

}  // namespace kellavor::ext_writer
