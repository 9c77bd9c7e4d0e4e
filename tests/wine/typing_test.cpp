// Typing into an application window through the manager: the messages it receives, in order, and
// the text committed to it. Each test starts with an empty user dictionary, so that no selection
// of another test changes the ranking.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "tests/wine/harness_environment.h"
#include "tests/wine/ime_session.h"
#include "tests/wine/session_test.h"

namespace kellavor::wine {
namespace {

using Messages = std::vector<ReceivedMessage>;

constexpr LPARAM kCompositionChanged = 0x188;
constexpr UINT kClearUser = WM_APP + 100;
constexpr UINT kReloadSettings = WM_APP + 108;

ReceivedMessage Start() { return {WM_IME_STARTCOMPOSITION, 0, 0, {}}; }
ReceivedMessage Changed() { return {WM_IME_COMPOSITION, 0, kCompositionChanged, {}}; }
ReceivedMessage End() { return {WM_IME_ENDCOMPOSITION, 0, 0, {}}; }
ReceivedMessage Result(const std::wstring& text) { return {WM_IME_COMPOSITION, 0, GCS_RESULTSTR, text}; }

HWND EventWindow() { return FindWindowW(L"Tessal_ExtEventCl", L"Tessal_ExtEventWi"); }

void SetNumberOfPage(int count) {
  const std::wstring config = (Installed().userFolder / "config.ini").wstring();
  WritePrivateProfileStringW(L"UI", L"numofpage", std::to_wstring(count).c_str(), config.c_str());
  SendMessageW(EventWindow(), kReloadSettings, 0, 0);
}

class TypingTest : public SessionTest {
 protected:
  void SetUp() override {
    ASSERT_NE(LoadedModule(), nullptr);
    ASSERT_EQ(SendMessageW(EventWindow(), kClearUser, 0, 0), 1);
    session_->TakeMessages();
  }
};

TEST_F(TypingTest, TheFirstLetterStartsAComposition) {
  session_->Type(L"n");
  EXPECT_EQ(session_->TakeMessages(), (Messages{Start(), Changed()}));
  session_->Type(L"ihao");
  EXPECT_EQ(session_->TakeMessages(), (Messages(4, Changed())));
  session_->Tap(VK_ESCAPE);
  session_->TakeMessages();
}

TEST_F(TypingTest, SpaceSelectsTheFirstCandidateAfterClosingTheComposition) {
  session_->Type(L"nihao");
  session_->TakeMessages();
  session_->Tap(VK_SPACE);
  EXPECT_EQ(session_->TakeMessages(), (Messages{Changed(), End(), Result(L"你好")}));
}

TEST_F(TypingTest, ADigitSelectsFromThePage) {
  EXPECT_EQ(session_->Commit(L"nihao", '1'), L"你好");
  const std::wstring second = session_->Commit(L"nihao", '2');
  EXPECT_FALSE(second.empty());
  EXPECT_NE(second, L"你好");
  EXPECT_EQ(second.find_first_of(L"abcdefghijklmnopqrstuvwxyz"), std::wstring::npos) << "a candidate, not letters";
}

TEST_F(TypingTest, EnterCommitsTheLettersAsTypedBeforeClosing) {
  session_->Type(L"nihao");
  session_->TakeMessages();
  session_->Tap(VK_RETURN);
  EXPECT_EQ(session_->TakeMessages(), (Messages{Result(L"nihao"), Changed(), End()}));
}

TEST_F(TypingTest, EscapeCancelsWithTheEndMessages) {
  session_->Type(L"nihao");
  session_->TakeMessages();
  session_->Tap(VK_ESCAPE);
  EXPECT_EQ(session_->TakeMessages(), (Messages{Changed(), End()}));
}

TEST_F(TypingTest, ACommaCommitsTheFirstCandidateAndAChineseComma) {
  EXPECT_EQ(session_->Commit(L"nihao", VK_OEM_COMMA), L"你好，");
  session_->Type(L",");
  EXPECT_EQ(session_->TakeCommitted(), L"，") << "without a composition the mark alone";
}

TEST_F(TypingTest, ShiftTappedAloneSwitchesToGermanAndBack) {
  session_->Tap(VK_LSHIFT);
  EXPECT_EQ(session_->Commit(L"haus", VK_SPACE), L"Haus ");
  EXPECT_EQ(session_->Commit(L"haus", VK_RETURN), L"haus") << "the letters as typed get no blank";
  session_->Tap(VK_LSHIFT);
  EXPECT_EQ(session_->Commit(L"nihao", VK_SPACE), L"你好");
}

TEST_F(TypingTest, ACapitalLetterInPinyinModeGoesToTheApplication) {
  session_->Type(L"N");
  const Messages messages = session_->TakeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].message, static_cast<UINT>(WM_CHAR));
  EXPECT_EQ(messages[0].wParam, static_cast<WPARAM>(L'N'));
}

TEST_F(TypingTest, TheTraditionalHotKeyConvertsPinyinCommits) {
  session_->Chord({VK_LCONTROL, VK_LSHIFT}, 'L');
  EXPECT_EQ(session_->Commit(L"zhongguo", VK_SPACE), L"中國");
  session_->Chord({VK_LCONTROL, VK_LSHIFT}, 'L');
  EXPECT_EQ(session_->Commit(L"zhongguo", VK_SPACE), L"中国");
}

TEST_F(TypingTest, AReloadedPageSizeGovernsTheNextPage) {
  SetNumberOfPage(3);
  EXPECT_EQ(session_->Commit(L"nihao", '4'), L"你好4") << "4 lies beyond a page of three: the first candidate and the digit";
  SetNumberOfPage(5);
  // On a page of five, 4 chooses the fourth candidate (here one that covers "ni" only).
  EXPECT_NE(session_->Commit(L"nihao", '4'), L"你好4");
  session_->Tap(VK_ESCAPE);
  session_->TakeMessages();
}

}  // namespace
}  // namespace kellavor::wine
