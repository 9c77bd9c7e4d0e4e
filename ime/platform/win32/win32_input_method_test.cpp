// The Win32 input-method port against the real manager: contexts made by ImmCreateContext,
// their component blocks and message buffer, and real windows that receive what it sends.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "ime/platform/sim/us_keyboard.h"
#include "ime/platform/win32/handles.h"
#include "ime/platform/win32/win32_input_method.h"

namespace kellavor::platform {
namespace {

// Windows of a test class that record every message below WM_USER they receive and answer 42 to
// private messages.
class RecordingWindow {
 public:
  explicit RecordingWindow(const wchar_t* className, HWND owner = nullptr) {
    WNDCLASSW windowClass {};
    windowClass.lpfnWndProc = &Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(0, className, L"", WS_POPUP, 0, 0, 50, 50, owner, nullptr, GetModuleHandleW(nullptr), this);
  }
  ~RecordingWindow() { DestroyWindow(window_); }

  HWND handle() const { return window_; }
  const std::vector<ImeMessage>& received() const { return received_; }

  // Gives the window the focus with the context, which makes the manager activate the context for
  // it and record the window in the context.
  void FocusWith(HIMC context) {
    ImmAssociateContext(window_, context);
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    SetFocus(window_);
    PumpMessages();
  }

  static void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<RecordingWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self != nullptr && (message == WM_IME_STARTCOMPOSITION || message == WM_IME_COMPOSITION ||
                            message == WM_IME_ENDCOMPOSITION || message == WM_KEYDOWN || message == WM_KEYUP ||
                            message >= WM_APP)) {
      self->received_.push_back(ImeMessage{message, wParam, lParam});
      if (message >= WM_APP) return 42;
      if (message != WM_KEYDOWN && message != WM_KEYUP) return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }

  HWND window_ = nullptr;
  std::vector<ImeMessage> received_;
};

class Win32InputMethodTest : public testing::Test {
 protected:
  void SetUp() override { context_ = ImmCreateContext(); ASSERT_NE(context_, nullptr); }
  void TearDown() override { ImmDestroyContext(context_); }

  Win32InputMethod port_;
  HIMC context_ = nullptr;
};

TEST_F(Win32InputMethodTest, ContextFieldsAreTheManagersOwn) {
  RecordingWindow editor(L"KellavorTestEditor");
  editor.FocusWith(context_);

  {
    const ContextLock locked(port_, ToContextHandle(context_));
    ASSERT_TRUE(locked);
    const LockedContext fields = locked.fields();
    EXPECT_EQ(ImmGetIMCLockCount(context_), 1u);
    EXPECT_EQ(port_.ContextWindow(fields), ToWindowHandle(editor.handle()));
    port_.SetOpen(fields, true);
    EXPECT_TRUE(port_.IsOpen(fields));
  }
  EXPECT_EQ(ImmGetIMCLockCount(context_), 0u);
  EXPECT_TRUE(ImmGetOpenStatus(context_));

  EXPECT_FALSE(ContextLock(port_, nullptr));
  ImmAssociateContext(editor.handle(), nullptr);
}

TEST_F(Win32InputMethodTest, ConversionStatusGoesThroughTheManager) {
  ASSERT_TRUE(port_.SetConversionStatus(ToContextHandle(context_), ConversionStatus{0x0409, 0x0008}));
  DWORD conversion = 0;
  DWORD sentence = 0;
  ImmGetConversionStatus(context_, &conversion, &sentence);
  EXPECT_EQ(conversion, 0x0409u);
  EXPECT_EQ(sentence, 0x0008u);

  ImmSetConversionStatus(context_, 0x0001, 0);
  const std::optional<ConversionStatus> status = port_.GetConversionStatus(ToContextHandle(context_));
  ASSERT_TRUE(status.has_value());
  EXPECT_EQ(status->conversion, 0x0001u);
  EXPECT_FALSE(port_.GetConversionStatus(nullptr).has_value());
}

TEST_F(Win32InputMethodTest, ComponentBlocksInstalledInTheContextAreReadByTheManager) {
  BlockHandle block = port_.CreateBlock(4);
  ASSERT_NE(block, nullptr);
  block = port_.ResizeBlock(block, sizeof(COMPOSITIONSTRING) + 16);
  ASSERT_NE(block, nullptr);
  {
    const BlockLock locked(port_, block);
    const std::span<uint8_t> bytes = locked.bytes();
    ASSERT_EQ(bytes.size(), sizeof(COMPOSITIONSTRING) + 16);
    EXPECT_EQ(ImmGetIMCCLockCount(ToHimcc(block)), 1u);
    auto* header = reinterpret_cast<COMPOSITIONSTRING*>(bytes.data());
    EXPECT_EQ(header->dwResultStrLen, 0u) << "new blocks are zeroed";
    header->dwSize = static_cast<DWORD>(bytes.size());
    header->dwResultStrOffset = sizeof(COMPOSITIONSTRING);
    header->dwResultStrLen = 2;
    std::memcpy(bytes.data() + sizeof(COMPOSITIONSTRING), L"ok", 6);
  }
  EXPECT_EQ(ImmGetIMCCLockCount(ToHimcc(block)), 0u);

  {
    const ContextLock locked(port_, ToContextHandle(context_));
    ASSERT_TRUE(locked);
    const LockedContext fields = locked.fields();
    port_.DestroyBlock(port_.CompositionStringBlock(fields));
    port_.SetCompositionStringBlock(fields, block);
    EXPECT_EQ(port_.CompositionStringBlock(fields), block);
  }

  wchar_t result[8] = {};
  EXPECT_EQ(ImmGetCompositionStringW(context_, GCS_RESULTSTR, result, sizeof(result)), 4);
  EXPECT_STREQ(result, L"ok");

  EXPECT_TRUE(BlockLock(port_, nullptr).bytes().empty());
  port_.DestroyBlock(nullptr);
}

TEST_F(Win32InputMethodTest, BufferedMessagesAreDeliveredToTheContextWindow) {
  RecordingWindow editor(L"KellavorTestEditor");
  editor.FocusWith(context_);

  {
    const ContextLock locked(port_, ToContextHandle(context_));
    ASSERT_TRUE(locked);
    const LockedContext fields = locked.fields();
    ASSERT_TRUE(port_.AppendBufferedMessage(fields, {WM_IME_STARTCOMPOSITION, 0, 0}));
    ASSERT_TRUE(port_.AppendBufferedMessage(fields, {WM_IME_COMPOSITION, 0, 0x188}));
    ASSERT_TRUE(port_.AppendBufferedMessage(fields, {WM_IME_ENDCOMPOSITION, 0, 0}));
    EXPECT_EQ(ToInputContext(fields)->dwNumMsgBuf, 3u);
    EXPECT_GE(ImmGetIMCCSize(ToInputContext(fields)->hMsgBuf), 3 * sizeof(TRANSMSG));
  }

  port_.GenerateMessages(ToContextHandle(context_));
  RecordingWindow::PumpMessages();
  EXPECT_EQ(editor.received(), (std::vector<ImeMessage>{{WM_IME_STARTCOMPOSITION, 0, 0},
                                                        {WM_IME_COMPOSITION, 0, 0x188},
                                                        {WM_IME_ENDCOMPOSITION, 0, 0}}));

  {
    const ContextLock locked(port_, ToContextHandle(context_));
    EXPECT_EQ(ToInputContext(locked.fields())->dwNumMsgBuf, 0u) << "the manager empties the buffer it delivered";
  }
  ImmAssociateContext(editor.handle(), nullptr);
}

TEST_F(Win32InputMethodTest, ModuleWindowsKnowTheirOwner) {
  RecordingWindow ui(L"KellavorTestUi");
  RecordingWindow status(L"KellavorIME_Status", ui.handle());
  const WindowHandle found = ToWindowHandle(status.handle());
  EXPECT_EQ(port_.OwnerWindow(found), ToWindowHandle(ui.handle()));
  EXPECT_EQ(port_.OwnerWindow(nullptr), nullptr);

  EXPECT_TRUE(port_.IsWindow(found));
  EXPECT_FALSE(port_.IsWindowVisible(found));
  ShowWindow(status.handle(), SW_SHOWNOACTIVATE);
  EXPECT_TRUE(port_.IsWindowVisible(found));
  EXPECT_FALSE(port_.IsWindow(nullptr));

  EXPECT_EQ(port_.SendToWindow(found, 0x8006, 1, 2), 42);
  EXPECT_EQ(status.received(), (std::vector<ImeMessage>{{0x8006, 1, 2}}));
  EXPECT_EQ(port_.SendToWindow(nullptr, 0x8006, 0, 0), 0);
  port_.InvalidateWindow(found, true);
}

TEST_F(Win32InputMethodTest, ClipboardHoldsTheTextAsUnicode) {
  RecordingWindow owner(L"KellavorTestEditor");
  ASSERT_TRUE(port_.SetClipboardText(ToWindowHandle(owner.handle()), u"國語 Straße"));
  ASSERT_TRUE(OpenClipboard(owner.handle()));
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  ASSERT_NE(data, nullptr);
  EXPECT_STREQ(static_cast<const wchar_t*>(GlobalLock(data)), L"國語 Straße");
  GlobalUnlock(data);
  CloseClipboard();
}

TEST_F(Win32InputMethodTest, SimulatedKeysReachTheFocusedWindow) {
  RecordingWindow editor(L"KellavorTestEditor");
  ShowWindow(editor.handle(), SW_SHOW);
  SetForegroundWindow(editor.handle());
  SetFocus(editor.handle());
  RecordingWindow::PumpMessages();
  EXPECT_EQ(port_.ForegroundWindow(), ToWindowHandle(editor.handle()));

  port_.SendKeyEvent(VK_F13, false);
  port_.SendKeyEvent(VK_F13, true);
  for (int round = 0; round < 50 && editor.received().size() < 2; ++round) {
    Sleep(10);
    RecordingWindow::PumpMessages();
  }
  ASSERT_EQ(editor.received().size(), 2u);
  EXPECT_EQ(editor.received()[0].message, static_cast<uint32_t>(WM_KEYDOWN));
  EXPECT_EQ(editor.received()[0].wParam, static_cast<uintptr_t>(VK_F13));
  EXPECT_EQ(editor.received()[1].message, static_cast<uint32_t>(WM_KEYUP));
}

// The simulated manager's keyboard must type what the real one types on a US layout.
TEST_F(Win32InputMethodTest, SimulatedUsLayoutTypesWhatToAsciiTypes) {
  std::vector<uint32_t> keys = {VK_BACK, VK_TAB, VK_RETURN, VK_ESCAPE, VK_SPACE, VK_LEFT, VK_SHIFT, VK_F5};
  for (uint32_t key = '0'; key <= '9'; ++key) keys.push_back(key);
  for (uint32_t key = 'A'; key <= 'Z'; ++key) keys.push_back(key);
  for (uint32_t key = 0xBA; key <= 0xC0; ++key) keys.push_back(key);
  for (uint32_t key = 0xDB; key <= 0xDE; ++key) keys.push_back(key);
  const std::vector<uint32_t> numpad = {VK_NUMPAD0, VK_NUMPAD5, VK_NUMPAD9, VK_MULTIPLY, VK_ADD, VK_SUBTRACT,
                                        VK_DECIMAL, VK_DIVIDE};

  struct Chord {
    const char* name;
    std::vector<uint32_t> held;
    bool capsLock;
  };
  const Chord chords[] = {{"plain", {}, false},           {"shift", {VK_SHIFT}, false},
                          {"caps", {}, true},             {"caps+shift", {VK_SHIFT}, true},
                          {"ctrl", {VK_CONTROL}, false},  {"ctrl+shift", {VK_CONTROL, VK_SHIFT}, false},
                          {"alt", {VK_MENU}, false},      {"ctrl+alt", {VK_CONTROL, VK_MENU}, false}};
  for (const Chord& chord : chords) {
    KeyState state {};
    for (uint32_t key : chord.held) state[key] = 0x80;
    if (chord.capsLock) state[VK_CAPITAL] = 0x01;
    for (uint32_t key : keys) {
      const uint32_t scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
      EXPECT_EQ(port_.ToAscii(key, scan, state), UsKeyboardToAscii(key, scan, state)) << chord.name << " key " << key;
      EXPECT_EQ(port_.ToAscii(key, scan | 0x8000, state), u"") << chord.name << " release " << key;
    }
  }
  KeyState numLock {};
  numLock[VK_NUMLOCK] = 0x01;
  for (uint32_t key : numpad) {
    const uint32_t scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
    EXPECT_EQ(port_.ToAscii(key, scan, numLock), UsKeyboardToAscii(key, scan, numLock)) << "numpad " << key;
  }
}

}  // namespace
}  // namespace kellavor::platform
