// Several compositions in a row, each closed a different way, in two kinds of application: a plain
// one that hands the composition messages to DefWindowProc (so that the end of each composition
// reaches the module's UI window, which destroys the panel windows) and one that draws the
// composition itself. Each must see every composition that started end exactly once, and the panel
// windows must be shown while composing and hidden afterwards, however often they were destroyed.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/wine/harness_environment.h"
#include "tests/wine/ime_session.h"

namespace kellavor::wine {
namespace {

bool Shown(const wchar_t* className) {
  HWND window = FindWindowW(className, nullptr);
  return window != nullptr && IsWindowVisible(window);
}

struct Closing {
  const char* name;
  const wchar_t* letters;
  std::function<void(ImeSession&)> close;
};

std::vector<Closing> Closings() {
  return {
      {"a selection with Space", L"nihao", [](ImeSession& s) { s.Tap(VK_SPACE); }},
      {"a second selection with Space", L"zhongguo", [](ImeSession& s) { s.Tap(VK_SPACE); }},
      {"Escape", L"women", [](ImeSession& s) { s.Tap(VK_ESCAPE); }},
      {"a punctuation commit", L"nihao", [](ImeSession& s) { s.Type(L","); }},
      {"the last letter deleted", L"n", [](ImeSession& s) { s.Tap(VK_BACK); }},
      {"a mode switch", L"ni",
       [](ImeSession& s) {
         s.Tap(VK_LSHIFT);
         s.Tap(VK_LSHIFT);
       }},
      {"a cancel from the manager", L"hao",
       [](ImeSession& s) {
         HIMC imc = s.context();
         ImmNotifyIME(imc, NI_COMPOSITIONSTR, CPS_CANCEL, 0);
         ImmReleaseContext(s.window(), imc);
       }},
      {"Enter", L"women", [](ImeSession& s) { s.Tap(VK_RETURN); }},
  };
}

int Count(const std::vector<ReceivedMessage>& messages, UINT message) {
  int count = 0;
  for (const ReceivedMessage& received : messages) count += received.message == message ? 1 : 0;
  return count;
}

void TypeAndCloseEach(ImeSession& session, bool windowsShown) {
  session.TakeMessages();
  for (const Closing& closing : Closings()) {
    SCOPED_TRACE(closing.name);
    session.Type(closing.letters);
    if (windowsShown) {
      EXPECT_TRUE(Shown(L"KellavorIME_Comp")) << "the composition window while composing";
      EXPECT_TRUE(Shown(L"KellavorIME_Cand")) << "the candidate window while composing";
    }
    closing.close(session);
    const std::vector<ReceivedMessage> messages = session.TakeMessages();
    EXPECT_EQ(Count(messages, WM_IME_STARTCOMPOSITION), 1);
    EXPECT_EQ(Count(messages, WM_IME_ENDCOMPOSITION), 1);
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.front().message, static_cast<UINT>(WM_IME_STARTCOMPOSITION));
    EXPECT_FALSE(Shown(L"KellavorIME_Comp")) << "no composition window after the end";
    EXPECT_FALSE(Shown(L"KellavorIME_Cand")) << "no candidate window after the end";
  }
}

class CompositionClose : public testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(LoadedModule(), nullptr); }
};

TEST_F(CompositionClose, APlainApplicationSeesEveryCompositionEndAndTheWindowsComeBack) {
  ImeSession session(Installed().layout, Application::kPlain);
  TypeAndCloseEach(session, true);
}

TEST_F(CompositionClose, AnApplicationDrawingItsOwnCompositionSeesEveryCompositionEnd) {
  ImeSession session(Installed().layout, Application::kOwnComposition);
  TypeAndCloseEach(session, false);
}

}  // namespace
}  // namespace kellavor::wine
