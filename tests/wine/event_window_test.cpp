// What the module does on the external event window's messages, seen from the application.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/wine/harness_environment.h"
#include "tests/wine/ime_session.h"
#include "tests/wine/session_test.h"

namespace kellavor::wine {
namespace {

constexpr UINT kClearUser = WM_APP + 100;
constexpr UINT kSaveUser = WM_APP + 101;
constexpr UINT kCloseUser = WM_APP + 103;
constexpr UINT kReopenUser = WM_APP + 104;
constexpr UINT kReleasePhrases = WM_APP + 105;
constexpr UINT kReloadSettings = WM_APP + 108;
constexpr UINT kThemeChanged = WM_APP + 110;

LRESULT SendEvent(UINT message) {
  return SendMessageW(FindWindowW(L"Tessal_ExtEventCl", L"Tessal_ExtEventWi"), message, 0, 0);
}

std::wstring ConfigValue(const wchar_t* section, const wchar_t* key) {
  wchar_t value[64] = {};
  GetPrivateProfileStringW(section, key, L"", value, 64, (Installed().userFolder / "config.ini").c_str());
  return value;
}

class EventWindowTest : public SessionTest {
 protected:
  void SetUp() override {
    ASSERT_EQ(SendEvent(kClearUser), 1);
    session_->TakeMessages();
  }
};

TEST_F(EventWindowTest, TheUserDictionaryIsSavedClosedAndReopened) {
  const std::wstring first = session_->Commit(L"shijian", VK_SPACE);
  ASSERT_EQ(SendEvent(kClearUser), 1);
  const std::wstring third = session_->Commit(L"shijian", '3');
  ASSERT_NE(third, first);
  ASSERT_EQ(session_->Commit(L"shijian", VK_SPACE), third) << "learned";

  const std::filesystem::path file = Installed().userFolder / "data_us.bin";
  std::filesystem::remove(file);
  EXPECT_EQ(SendEvent(kSaveUser), 1);
  EXPECT_TRUE(std::filesystem::exists(file));

  EXPECT_EQ(SendEvent(kCloseUser), 1);
  EXPECT_EQ(session_->Commit(L"shijian", VK_SPACE), first) << "without the user dictionary the system's first candidate";
  EXPECT_EQ(SendEvent(kReopenUser), 1);
  EXPECT_EQ(session_->Commit(L"shijian", VK_SPACE), third);
  EXPECT_EQ(SendEvent(kReleasePhrases), 1);
}

TEST_F(EventWindowTest, AReloadKeepsTheRuntimeStateInTheFile) {
  session_->Tap(VK_LSHIFT);
  ASSERT_EQ(SendEvent(kReloadSettings), 1);
  EXPECT_EQ(ConfigValue(L"APPSTATUS", L"inputmode"), L"1") << "German mode was written before the file was read";
  EXPECT_EQ(session_->Commit(L"haus", VK_SPACE), L"Haus ") << "and is still the mode after it";
  session_->Tap(VK_LSHIFT);
  ASSERT_EQ(SendEvent(kReloadSettings), 1);
  EXPECT_EQ(ConfigValue(L"APPSTATUS", L"inputmode"), L"0");
}

TEST_F(EventWindowTest, ANewThemeAbandonsTheCompositionAndTellsTheApplication) {
  session_->Type(L"nihao");
  session_->TakeMessages();
  ASSERT_EQ(SendEvent(kThemeChanged), 1);
  const std::vector<ReceivedMessage> messages = session_->TakeMessages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].message, static_cast<UINT>(WM_IME_COMPOSITION));
  EXPECT_EQ(messages[1].message, static_cast<UINT>(WM_IME_ENDCOMPOSITION));
  session_->Tap(VK_SPACE);
  EXPECT_EQ(session_->TakeCommitted(), L" ") << "nothing is left to select: the blank goes to the application";
}

}  // namespace
}  // namespace kellavor::wine
