#include "tests/wine/ime_session.h"

#include <iterator>
#include <stdexcept>

#include "ime/platform/win32/imm_device.h"
#include "tests/wine/key_messages.h"

extern "C" {
BOOL WINAPI ImmProcessKey(HWND window, HKL layout, UINT virtualKey, LPARAM keyData, DWORD unknown);
BOOL WINAPI ImmTranslateMessage(HWND window, UINT message, WPARAM wParam, LPARAM keyData);
}

namespace kellavor::wine {
namespace {

constexpr wchar_t kWindowClass[] = L"KellavorHarnessEditor";
constexpr UINT kListCapacity = 32;


}  // namespace

void PrintTo(const ReceivedMessage& message, std::ostream* out) {
  *out << std::hex << "{0x" << message.message << ", 0x" << message.wParam << ", 0x" << message.lParam << std::dec;
  if (!message.result.empty()) *out << ", result of " << message.result.size() << " units";
  *out << "}";
}

ImeSession::ImeSession(HKL layout, Application application) : layout_(layout), application_(application) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &WindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassW(&windowClass);
  ActivateKeyboardLayout(layout_, 0);
  // A pop-up: without a window manager, Wine waits seconds for a framed window to be unmapped.
  window_ = CreateWindowExW(0, kWindowClass, L"Kellavor harness", WS_POPUP, 100, 100, 400, 200, nullptr, nullptr,
                            GetModuleHandleW(nullptr), this);
  if (window_ == nullptr) throw std::runtime_error("no application window");
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  SetFocus(window_);
  PumpMessages();
  AttachUiWindow();
  received_.clear();
}

void ImeSession::AttachUiWindow() {
  // Wine 8 creates the module's UI window only when an application sets the open status, and
  // then keeps its own record of the context in the window's slot where Windows keeps the
  // context itself. The session opens the context as an application may, puts the context into
  // the slot as Windows does, and activates it again so that the UI window takes it up.
  HIMC imc = context();
  ImmSetOpenStatus(imc, TRUE);
  // Wine starts a context in every mode the module can convert in, soft keyboard included; an
  // application starts in pinyin with Chinese punctuation.
  ImmSetConversionStatus(imc, IME_CMODE_NATIVE | IME_CMODE_SYMBOL, IME_SMODE_NONE);
  HWND ui = FindWindowW(L"KellavorIME_UI", nullptr);
  if (ui == nullptr) throw std::runtime_error("the manager made no UI window");
  SetWindowLongPtrW(ui, IMMGWLP_IMC, reinterpret_cast<LONG_PTR>(imc));
  SendMessageW(ui, WM_IME_SETCONTEXT, TRUE, ContextFlags());
  PumpMessages();
}

LPARAM ImeSession::ContextFlags() const {
  return application_ == Application::kOwnComposition ? ISC_SHOWUIALL & ~ISC_SHOWUICOMPOSITIONWINDOW : ISC_SHOWUIALL;
}

ImeSession::~ImeSession() {
  DestroyWindow(window_);
  PumpMessages();
  UnregisterClassW(kWindowClass, GetModuleHandleW(nullptr));
}

HIMC ImeSession::context() const { return ImmGetContext(window_); }

bool ImeSession::Press(UINT virtualKey) { return KeyEvent(virtualKey, false); }
bool ImeSession::Release(UINT virtualKey) { return KeyEvent(virtualKey, true); }

void ImeSession::Tap(UINT virtualKey) {
  Press(virtualKey);
  Release(virtualKey);
}

void ImeSession::Type(std::wstring_view text) {
  for (wchar_t character : text) {
    const SHORT key = VkKeyScanW(character);
    if (key == -1) throw std::runtime_error("a character the keyboard cannot type");
    const bool shifted = (key & 0x0100) != 0;
    if (shifted) Press(VK_LSHIFT);
    Tap(static_cast<UINT>(key & 0xFF));
    if (shifted) Release(VK_LSHIFT);
  }
}

void ImeSession::Chord(std::initializer_list<UINT> modifiers, UINT virtualKey) {
  for (UINT modifier : modifiers) Press(modifier);
  Tap(virtualKey);
  for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) Release(*it);
}

bool ImeSession::KeyEvent(UINT virtualKey, bool release) {
  const bool wasDown = (keyState_[virtualKey] & 0x80) != 0;
  const LPARAM keyData = KeyData(virtualKey, release, wasDown);
  // The keyboard state already holds the event when the key message is handled.
  const BYTE held = release ? 0 : 0x80;
  keyState_[virtualKey] = static_cast<BYTE>((keyState_[virtualKey] & 0x01) | held);
  if (!release && virtualKey == VK_CAPITAL) keyState_[VK_CAPITAL] ^= 0x01;
  if (UINT generic = GenericKey(virtualKey); generic != 0) {
    keyState_[generic] = static_cast<BYTE>((keyState_[generic] & 0x01) | held);
  }
  SetKeyboardState(keyState_);

  const UINT reported = GenericKey(virtualKey) != 0 ? GenericKey(virtualKey) : virtualKey;
  const bool claimed = ImmProcessKey(window_, layout_, reported, keyData, 0) != FALSE;
  if (claimed) {
    Translate(reported, keyData, release);
  } else {
    MSG message{window_, static_cast<UINT>(release ? WM_KEYUP : WM_KEYDOWN), reported, keyData, 0, {}};
    TranslateMessage(&message);
  }
  PumpMessages();
  return claimed;
}

void ImeSession::Translate([[maybe_unused]] UINT virtualKey, LPARAM keyData, [[maybe_unused]] bool release) {
#if defined(_WIN64)
  // Wine's 64-bit ImmTranslateMessage reads the messages 4 bytes into the list where Windows puts
  // them 8 bytes in; the module follows Windows, so the key goes to the module as user32 would
  // hand it over: the character in the high word of the key, the key data's high word as scan code.
  const auto toAsciiEx = ModuleImeToAsciiEx(layout_);
  if (toAsciiEx == nullptr) throw std::runtime_error("the module has no ImeToAsciiEx");
  const UINT scanCode = HIWORD(keyData);
  std::vector<BYTE> buffer(offsetof(TRANSMSGLIST, TransMsg) + kListCapacity * sizeof(TRANSMSG));
  auto* list = reinterpret_cast<TRANSMSGLIST*>(buffer.data());
  list->uMsgCount = kListCapacity;
  HIMC imc = context();
  const UINT count = toAsciiEx(ModuleKey(virtualKey, scanCode, keyState_, layout_), scanCode, keyState_, list, 0, imc);
  if (count > kListCapacity) {
    ImmGenerateMessage(imc);
    return;
  }
  for (UINT i = 0; i < count; ++i) {
    SendMessageW(window_, list->TransMsg[i].message, list->TransMsg[i].wParam, list->TransMsg[i].lParam);
  }
#else
  ImmTranslateMessage(window_, release ? WM_KEYUP : WM_KEYDOWN, VK_PROCESSKEY, keyData);
#endif
}

void ImeSession::PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

std::vector<ReceivedMessage> ImeSession::TakeMessages() {
  PumpMessages();
  std::vector<ReceivedMessage> taken;
  taken.swap(received_);
  return taken;
}

std::wstring ImeSession::TakeCommitted() {
  std::wstring committed;
  for (const ReceivedMessage& message : TakeMessages()) {
    committed += message.result;
    if (message.message == WM_CHAR) committed += static_cast<wchar_t>(message.wParam);
  }
  return committed;
}

LRESULT CALLBACK ImeSession::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* session = reinterpret_cast<ImeSession*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (session == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  const bool plain = session->application_ == Application::kPlain;
  switch (message) {
    case WM_IME_SETCONTEXT:
      return DefWindowProcW(window, message, wParam, wParam != 0 ? session->ContextFlags() & lParam : lParam);
    case WM_IME_STARTCOMPOSITION:
    case WM_IME_ENDCOMPOSITION:
    case WM_CHAR:
      session->received_.push_back({message, wParam, lParam, {}});
      return plain ? DefWindowProcW(window, message, wParam, lParam) : 0;
    case WM_IME_COMPOSITION: {
      ReceivedMessage received{message, wParam, lParam, {}};
      if ((lParam & GCS_RESULTSTR) != 0) {
        HIMC imc = ImmGetContext(window);
        wchar_t result[512] = {};
        const LONG bytes = ImmGetCompositionStringW(imc, GCS_RESULTSTR, result, sizeof result - sizeof(wchar_t));
        if (bytes > 0) received.result.assign(result, static_cast<size_t>(bytes) / sizeof(wchar_t));
        ImmReleaseContext(window, imc);
      }
      session->received_.push_back(received);
      return plain ? DefWindowProcW(window, message, wParam, lParam) : 0;
    }
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace kellavor::wine
