// The UI window against recording parts, with a real input context in its slot.
#include "ime/ui/win32/ui_window.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "ime/platform/win32/imm_device.h"
#include "ime/ui/win32/viewer_command.h"
#include "ime/ui/win32/window_classes.h"

namespace kellavor::ui {

using platform::kWmImeUiRefresh;

namespace {

using Calls = std::vector<std::string>;

class RecordingParts final : public InputPanelWindows, public StatusBarWindow, public core::SoftKeyboardWindow {
 public:
  explicit RecordingParts(Calls& calls) : calls_(calls) {}
  ~RecordingParts() override {
    if (status_ != nullptr) DestroyWindow(status_);
  }

  void CreateWindows(HWND) override { calls_.push_back("CreateWindows"); }
  void DestroyWindows() override { calls_.push_back("DestroyWindows"); }
  void HideWindows() override { calls_.push_back("HideWindows"); }
  void Layout() override { calls_.push_back("Layout"); }
  void Place(HWND, int x, int y) override {
    calls_.push_back("Place " + std::to_string(x) + " " + std::to_string(y));
    if (throwOnPlace) throw std::runtime_error("no room");
  }
  void UpdateVisibility(HWND) override { calls_.push_back("UpdateVisibility"); }
  void ReloadTheme() override { calls_.push_back("ReloadTheme"); }

  void OpenWindow(HWND owner) override {
    calls_.push_back("OpenWindow");
    if (status_ == nullptr) {
      status_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_DISABLED, 0, 0, 1, 1, owner, nullptr, nullptr, nullptr);
    }
  }
  HWND Window() const override { return status_; }
  void CloseWindow() override {
    calls_.push_back("CloseWindow");
    if (status_ != nullptr) DestroyWindow(status_);
    status_ = nullptr;
  }
  void SetOpacity(uint8_t alpha) override { calls_.push_back("SetOpacity " + std::to_string(alpha)); }

  void CreateSoftKeyboard(platform::WindowHandle, uint32_t layout) override {
    calls_.push_back("CreateSoftKeyboard " + std::to_string(layout));
  }
  void DestroySoftKeyboard() override { calls_.push_back("DestroySoftKeyboard"); }

  bool throwOnPlace = false;

 private:
  Calls& calls_;
  HWND status_ = nullptr;
};

// The viewer's window, recording the commands it receives.
class FakeViewer {
 public:
  FakeViewer() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kViewerClassName;
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(0, kViewerClassName, kViewerWindowTitle, WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  }
  ~FakeViewer() {
    DestroyWindow(window_);
    UnregisterClassW(kViewerClassName, GetModuleHandleW(nullptr));
  }
  static std::vector<WPARAM>& Commands() {
    static std::vector<WPARAM> commands;
    return commands;
  }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kViewerCommandMessage) Commands().push_back(wParam);
    return DefWindowProcW(window, message, wParam, lParam);
  }
  HWND window_ = nullptr;
};

class UiWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    settings_.softkbdid = 13;
    settings_.showstatus = 1;
    parts_.settings = &settings_;
    parts_.inputPanel = &recorder_;
    parts_.statusBar = &recorder_;
    parts_.softKeyboard = &recorder_;
    ASSERT_EQ(RegisterWindowClasses(GetModuleHandleW(nullptr), {}, parts_), 4);
    window_ = CreateWindowExW(0, L"KellavorIME_UI", nullptr, WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window_, nullptr);
    context_ = ImmCreateContext();
    ASSERT_NE(context_, nullptr);
    calls_.clear();
  }
  void TearDown() override {
    if (IsWindow(window_)) DestroyWindow(window_);
    ImmDestroyContext(context_);
    UnregisterWindowClasses(GetModuleHandleW(nullptr));
  }

  void PutContext(HIMC context) { SetWindowLongPtrW(window_, IMMGWLP_IMC, reinterpret_cast<LONG_PTR>(context)); }
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) { return SendMessageW(window_, message, wParam, lParam); }
  void SetConversion(DWORD conversion) { ImmSetConversionStatus(context_, conversion, 0); }

  settings::ImeSettings settings_;
  Calls calls_;
  RecordingParts recorder_{calls_};
  UiWindowParts parts_;
  HWND window_ = nullptr;
  HIMC context_ = nullptr;
};

const Calls kShowPanel = {"CreateWindows", "Layout", "Place -1 -1", "UpdateVisibility"};
const Calls kTakeDown = {"CloseWindow", "HideWindows", "DestroyWindows"};

Calls Concat(Calls first, const Calls& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

TEST_F(UiWindowTest, WithoutAContextTheImeMessagesAreAnsweredZeroAndChangeNothing) {
  PutContext(nullptr);
  for (UINT message : {WM_IME_STARTCOMPOSITION, WM_IME_ENDCOMPOSITION, WM_IME_COMPOSITION, WM_IME_NOTIFY, WM_IME_CONTROL,
                       WM_IME_COMPOSITIONFULL, WM_IME_SELECT, WM_IME_CHAR}) {
    EXPECT_EQ(Send(message, IMN_OPENSTATUSWINDOW, 0), 0) << std::hex << message;
  }
  EXPECT_TRUE(calls_.empty());
  MSG posted{};
  EXPECT_FALSE(PeekMessageW(&posted, window_, WM_CHAR, WM_CHAR, PM_REMOVE));
}

TEST_F(UiWindowTest, ActivationOpensTheContextAndShowsTheStatusAndPanelWindows) {
  PutContext(context_);
  ImmSetOpenStatus(context_, FALSE);
  EXPECT_EQ(Send(WM_IME_SETCONTEXT, TRUE, ISC_SHOWUIALL), 0);
  EXPECT_EQ(calls_, Concat({"OpenWindow", "SetOpacity 255"}, kShowPanel));
  EXPECT_TRUE(ImmGetOpenStatus(context_));
  ASSERT_NE(recorder_.Window(), nullptr);
  EXPECT_TRUE(IsWindowVisible(recorder_.Window()));
}

TEST_F(UiWindowTest, AHiddenStatusBarStillExistsButIsFullyTransparent) {
  settings_.showstatus = 0;
  PutContext(context_);
  Send(WM_IME_SETCONTEXT, TRUE, ISC_SHOWUIALL);
  EXPECT_EQ(calls_, Concat({"OpenWindow", "SetOpacity 0"}, kShowPanel));
}

TEST_F(UiWindowTest, TheSoftKeyboardFollowsTheContextsMode) {
  PutContext(context_);
  SetConversion(IME_CMODE_NATIVE | IME_CMODE_SOFTKBD);
  Send(WM_IME_SETCONTEXT, TRUE, ISC_SHOWUIALL);
  // The bar first, so that the keyboard is placed clear of it.
  EXPECT_EQ(calls_, Concat({"OpenWindow", "SetOpacity 255", "CreateSoftKeyboard 13"}, kShowPanel));
  calls_.clear();
  Send(WM_IME_SETCONTEXT, FALSE, ISC_SHOWUIALL);
  EXPECT_EQ(calls_, Concat({"DestroySoftKeyboard"}, kTakeDown));
}

TEST_F(UiWindowTest, DeactivationTakesTheWindowsDown) {
  PutContext(context_);
  SetConversion(IME_CMODE_NATIVE);
  Send(WM_IME_SETCONTEXT, TRUE, ISC_SHOWUIALL);
  calls_.clear();
  EXPECT_EQ(Send(WM_IME_SETCONTEXT, FALSE, ISC_SHOWUIALL), 0);
  EXPECT_EQ(calls_, kTakeDown);
  EXPECT_EQ(recorder_.Window(), nullptr);
}

TEST_F(UiWindowTest, ActivationWithoutAContextFallsBackToDeactivation) {
  PutContext(nullptr);
  EXPECT_EQ(Send(WM_IME_SETCONTEXT, TRUE, ISC_SHOWUIALL), 0);
  EXPECT_EQ(calls_, kTakeDown);
}

TEST_F(UiWindowTest, NotificationsReachTheirParts) {
  PutContext(context_);
  const std::vector<std::pair<WPARAM, Calls>> cases = {
      {IMN_OPENSTATUSWINDOW, {"OpenWindow", "SetOpacity 255"}},
      {IMN_SETCONVERSIONMODE, {}},
      {IMN_SETOPENSTATUS, {}},
      {IMN_SETCANDIDATEPOS, {"Place -1 -1"}},
      {IMN_SETCOMPOSITIONWINDOW, {"Place -1 -1"}},
      {IMN_SETSTATUSWINDOWPOS, {}},
      {IMN_CLOSESTATUSWINDOW, {"CloseWindow"}},
  };
  for (const auto& [notification, expected] : cases) {
    calls_.clear();
    EXPECT_EQ(Send(WM_IME_NOTIFY, notification, 0), 0);
    EXPECT_EQ(calls_, expected) << "notification " << notification;
  }
}

TEST_F(UiWindowTest, RefreshAndEndOfCompositionDriveThePanel) {
  PutContext(context_);
  EXPECT_EQ(Send(kWmImeUiRefresh), 0);
  EXPECT_EQ(calls_, kShowPanel);
  calls_.clear();
  EXPECT_EQ(Send(WM_IME_ENDCOMPOSITION), 0);
  EXPECT_EQ(calls_, (Calls{"HideWindows", "DestroyWindows"}));
  calls_.clear();
  for (UINT message : {WM_IME_STARTCOMPOSITION, WM_IME_COMPOSITION, WM_IME_CONTROL, WM_IME_SELECT}) Send(message);
  EXPECT_TRUE(calls_.empty());
}

TEST_F(UiWindowTest, ImeCharactersGoToTheDefaultProcedure) {
  PutContext(context_);
  Send(WM_IME_CHAR, L'x', 1);
  MSG posted{};
  ASSERT_TRUE(PeekMessageW(&posted, window_, WM_CHAR, WM_CHAR, PM_REMOVE));
  EXPECT_EQ(posted.wParam, static_cast<WPARAM>(L'x'));
}

TEST_F(UiWindowTest, DestructionTakesEverythingDownAndTellsTheViewer) {
  FakeViewer viewer;
  FakeViewer::Commands().clear();
  PutContext(context_);
  DestroyWindow(window_);
  EXPECT_EQ(calls_, (Calls{"CloseWindow", "DestroyWindows", "DestroySoftKeyboard"}));
  EXPECT_EQ(FakeViewer::Commands(), std::vector<WPARAM>{3});
}

TEST_F(UiWindowTest, AFailingPartEndsTheMessageQuietly) {
  PutContext(context_);
  recorder_.throwOnPlace = true;
  EXPECT_EQ(Send(kWmImeUiRefresh), 0);
  EXPECT_EQ(calls_, (Calls{"CreateWindows", "Layout", "Place -1 -1"}));
}

TEST_F(UiWindowTest, AbsentPartsAreSkipped) {
  parts_.inputPanel = nullptr;
  parts_.statusBar = nullptr;
  parts_.softKeyboard = nullptr;
  PutContext(context_);
  SetConversion(IME_CMODE_SOFTKBD);
  for (WPARAM active : {TRUE, FALSE}) EXPECT_EQ(Send(WM_IME_SETCONTEXT, active, ISC_SHOWUIALL), 0);
  EXPECT_EQ(Send(WM_IME_NOTIFY, IMN_OPENSTATUSWINDOW, 0), 0);
  EXPECT_EQ(Send(kWmImeUiRefresh), 0);
  EXPECT_TRUE(calls_.empty());
}

}  // namespace
}  // namespace kellavor::ui
