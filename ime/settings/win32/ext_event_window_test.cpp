// The external event window as other programs see it: found by class and title, answering each
// message, one per process.
#include "ime/settings/win32/ext_event_window.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace kellavor::settings {
namespace {

class RecordingActions final : public ExtEventActions {
 public:
  void ClearUserDictionary() override { calls.push_back("clear"); }
  void SaveUserDictionary() override { calls.push_back("save"); }
  void CloseUserDictionary() override { calls.push_back("close"); }
  void ReopenUserDictionary() override { calls.push_back("reopen"); }
  void ReleasePhraseTable() override { calls.push_back("release"); }
  void ReloadSettings() override {
    calls.push_back("settings");
    if (throwOnReload) throw std::runtime_error("reload failed");
  }
  void ReloadTheme() override { calls.push_back("theme"); }

  std::vector<std::string> calls;
  bool throwOnReload = false;
};

BOOL CALLBACK CountWindowOfTheClass(HWND window, LPARAM counter) {
  wchar_t name[64] = {};
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId() && GetClassNameW(window, name, 64) > 0 && std::wstring(name) == kExtEventClassName) {
    ++*reinterpret_cast<int*>(counter);
  }
  return TRUE;
}

int WindowsOfTheClassInThisProcess() {
  int count = 0;
  EnumWindows(CountWindowOfTheClass, reinterpret_cast<LPARAM>(&count));
  return count;
}

class ExtEventWindowTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(CreateExtEventWindow(instance_, actions_)); }
  void TearDown() override { DestroyExtEventWindow(instance_); }

  static HWND Find() { return FindWindowW(kExtEventClassName, kExtEventWindowTitle); }

  HINSTANCE instance_ = GetModuleHandleW(nullptr);
  RecordingActions actions_;
};

TEST_F(ExtEventWindowTest, IsAHiddenDisabledPopUpAtTheOrigin) {
  HWND window = Find();
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(IsWindowVisible(window));
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  EXPECT_EQ(style & (WS_POPUP | WS_DISABLED), WS_POPUP | WS_DISABLED);
  RECT rect{};
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.top, 0);
  EXPECT_EQ(rect.right - rect.left, 10);
  EXPECT_EQ(rect.bottom - rect.top, 10);
  EXPECT_EQ(GetClassLongW(window, GCL_STYLE), static_cast<DWORD>(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS));
}

TEST_F(ExtEventWindowTest, EveryKnownMessageRunsItsActionAndAnswersOne) {
  HWND window = Find();
  const std::vector<std::pair<UINT, const char*>> messages = {
      {WM_IMEEXT_CLEARUSER, "clear"},   {WM_IMEEXT_SAVEUSER, "save"},          {WM_IMEEXT_CLOSEUSER, "close"},
      {WM_IMEEXT_REOPENUSER, "reopen"}, {WM_IMEEXT_RELEASEPHRASES, "release"}, {WM_IMEEXT_RELOADSETTINGS, "settings"},
      {WM_IMEEXT_THEMECHANGED, "theme"}};
  for (const auto& [message, action] : messages) {
    actions_.calls.clear();
    EXPECT_EQ(SendMessageW(window, message, 0, 0), 1) << std::hex << message;
    EXPECT_EQ(actions_.calls, std::vector<std::string>{action}) << std::hex << message;
  }
}

TEST_F(ExtEventWindowTest, TheGapsInTheRangeGetTheDefaultAnswer) {
  HWND window = Find();
  EXPECT_EQ(SendMessageW(window, WM_IMEEXT_NOOP, 0, 0), 1);
  for (UINT message : {WM_APP + 102, WM_APP + 107, WM_APP + 109, WM_APP + 111}) {
    EXPECT_EQ(SendMessageW(window, message, 0, 0), 0) << std::hex << message;
  }
  EXPECT_TRUE(actions_.calls.empty());
}

TEST_F(ExtEventWindowTest, AFailingActionStillAnswersAndTheWindowGoesOn) {
  actions_.throwOnReload = true;
  EXPECT_EQ(SendMessageW(Find(), WM_IMEEXT_RELOADSETTINGS, 0, 0), 1);
  EXPECT_EQ(SendMessageW(Find(), WM_IMEEXT_SAVEUSER, 0, 0), 1);
  EXPECT_EQ(actions_.calls, (std::vector<std::string>{"settings", "save"}));
}

TEST_F(ExtEventWindowTest, ASecondCreationLeavesTheFirstWindowAlone) {
  HWND first = Find();
  RecordingActions other;
  EXPECT_FALSE(CreateExtEventWindow(instance_, other));
  EXPECT_EQ(WindowsOfTheClassInThisProcess(), 1);
  EXPECT_EQ(SendMessageW(first, WM_IMEEXT_SAVEUSER, 0, 0), 1);
  EXPECT_EQ(actions_.calls, std::vector<std::string>{"save"});
  EXPECT_TRUE(other.calls.empty());
}

TEST_F(ExtEventWindowTest, DestroyingTwiceIsHarmlessAndFreesTheClass) {
  DestroyExtEventWindow(instance_);
  DestroyExtEventWindow(instance_);
  EXPECT_EQ(Find(), nullptr);
  WNDCLASSEXW info{};
  info.cbSize = sizeof info;
  EXPECT_FALSE(GetClassInfoExW(instance_, kExtEventClassName, &info));
  // The class is free again, so the module can come back.
  EXPECT_TRUE(CreateExtEventWindow(instance_, actions_));
  EXPECT_NE(Find(), nullptr);
}

}  // namespace
}  // namespace kellavor::settings
