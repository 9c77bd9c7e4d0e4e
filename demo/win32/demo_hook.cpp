// Loaded into notepad by the demonstration driver's hook on notepad's thread. There it does what a
// user's keyboard does in an application that takes text: activates the installed layout for the
// thread and types key scripts into the focused window through the input-method manager,
// ImmProcessKey deciding whether the module claims a key and the module's ImeToAsciiEx turning a
// claimed key into the messages the window receives.
#include <windows.h>

#include <imm.h>

#include <cstddef>
#include <string>
#include <vector>

#include "demo/win32/demo_keys.h"
#include "demo/win32/demo_request.h"
#include "ime/platform/win32/imm_device.h"
#include "tests/wine/key_messages.h"

extern "C" {
BOOL WINAPI ImmProcessKey(HWND window, HKL layout, UINT virtualKey, LPARAM keyData, DWORD unknown);
__declspec(dllexport) LRESULT CALLBACK DemoCallWndProc(int code, WPARAM wParam, LPARAM lParam);
}

namespace kellavor::demo {
namespace {

using wine::GenericKey;
using wine::KeyData;
constexpr UINT kListCapacity = 64;

HKL layout = nullptr;
HWND target = nullptr;
BYTE keyState[256] = {};

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// A claimed key through the module: the character in the key's high word and the scan code as
// user32 hands them over. The module's messages go straight to the window: Wine's 64-bit
// ImmTranslateMessage reads the translation list at another offset than the one Windows uses.
void Translate(UINT virtualKey, LPARAM keyData) {
  const auto toAsciiEx = wine::ModuleImeToAsciiEx(layout);
  if (toAsciiEx == nullptr) return;
  const UINT scanCode = HIWORD(keyData);
  std::vector<BYTE> buffer(offsetof(TRANSMSGLIST, TransMsg) + kListCapacity * sizeof(TRANSMSG));
  auto* list = reinterpret_cast<TRANSMSGLIST*>(buffer.data());
  list->uMsgCount = kListCapacity;
  HIMC imc = ImmGetContext(target);
  const UINT count = toAsciiEx(wine::ModuleKey(virtualKey, scanCode, keyState, layout), scanCode, keyState, list, 0, imc);
  if (count > kListCapacity) {
    ImmGenerateMessage(imc);
  } else {
    for (UINT i = 0; i < count; ++i) {
      SendMessageW(target, list->TransMsg[i].message, list->TransMsg[i].wParam, list->TransMsg[i].lParam);
    }
  }
  ImmReleaseContext(target, imc);
}

void KeyEvent(UINT virtualKey, bool release) {
  const bool wasDown = (keyState[virtualKey] & 0x80) != 0;
  const LPARAM keyData = KeyData(virtualKey, release, wasDown);
  const BYTE held = release ? 0 : 0x80;
  keyState[virtualKey] = static_cast<BYTE>((keyState[virtualKey] & 0x01) | held);
  const UINT generic = GenericKey(virtualKey);
  if (generic != 0) keyState[generic] = static_cast<BYTE>((keyState[generic] & 0x01) | held);
  SetKeyboardState(keyState);
  const UINT reported = generic != 0 ? generic : virtualKey;
  if (ImmProcessKey(target, layout, reported, keyData, 0)) {
    Translate(reported, keyData);
  } else {
    MSG message{target, static_cast<UINT>(release ? WM_KEYUP : WM_KEYDOWN), reported, keyData, 0, {}};
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  PumpMessages();
}

// Loads the layout for this thread and brings the module's windows up for the focused window.
// Wine 8 makes the module's UI window only once an application sets the open status, and keeps its
// own record in the window's slot where Windows keeps the input context: the context goes there
// and is activated again, as the setup test does.
void Activate(HWND window, const std::wstring& id) {
  layout = LoadKeyboardLayoutW(id.c_str(), KLF_ACTIVATE);
  ActivateKeyboardLayout(layout, 0);
  // The window that takes text: notepad's edit control, else whatever has the focus.
  SetForegroundWindow(window);
  target = FindWindowExW(window, nullptr, L"Edit", nullptr);
  if (target == nullptr) target = GetFocus();
  SetFocus(target);
  // Wine 8 binds a context to the module of the layout active when the context is made, and the
  // edit control's context was made before: the window gets a new one.
  HIMC imc = ImmCreateContext();
  ImmAssociateContext(target, imc);
  // The composition starts at the caret; the edit control moves it along with the caret.
  COMPOSITIONFORM form{CFS_POINT, {}, {}};
  GetCaretPos(&form.ptCurrentPos);
  ImmSetCompositionWindow(imc, &form);
  ImmSetOpenStatus(imc, TRUE);
  ImmSetConversionStatus(imc, IME_CMODE_NATIVE | IME_CMODE_SYMBOL, IME_SMODE_NONE);
  if (HWND ui = FindWindowW(L"KellavorIME_UI", nullptr); ui != nullptr) {
    SetWindowLongPtrW(ui, IMMGWLP_IMC, reinterpret_cast<LONG_PTR>(imc));
    SendMessageW(ui, WM_IME_SETCONTEXT, TRUE, ISC_SHOWUIALL);
  }
  PumpMessages();
}

void Type(std::wstring_view script) {
  if (target == nullptr) return;
  for (const KeyStroke& stroke : ParseKeys(script)) {
    for (UINT modifier : stroke.modifiers) KeyEvent(modifier, false);
    KeyEvent(stroke.key, false);
    KeyEvent(stroke.key, true);
    for (auto it = stroke.modifiers.rbegin(); it != stroke.modifiers.rend(); ++it) KeyEvent(*it, true);
  }
}

void Carry(HWND window, std::wstring_view request) {
  const size_t space = request.find(L' ');
  const std::wstring_view verb = request.substr(0, space);
  const std::wstring_view argument = space == std::wstring_view::npos ? std::wstring_view{} : request.substr(space + 1);
  if (verb == L"activate") Activate(window, std::wstring(argument));
  if (verb == L"keys") Type(argument);
}

}  // namespace
}  // namespace kellavor::demo

LRESULT CALLBACK DemoCallWndProc(int code, WPARAM wParam, LPARAM lParam) {
  static const UINT request = RegisterWindowMessageW(kellavor::demo::kDemoRequestMessage);
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && call->message == request) {
    wchar_t text[256] = {};
    const UINT length = GlobalGetAtomNameW(static_cast<ATOM>(call->wParam), text, 256);
    kellavor::demo::Carry(call->hwnd, {text, length});
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
