// Which keys the engine claims, the mode switch and the hot keys.
#include <gtest/gtest.h>

#include "tests/support/engine_harness.h"
#include "tests/support/fake_lexicon.h"

namespace kellavor::core {

namespace vk = platform::vk;
using platform::kCmodeSymbol;
using platform::kCompositionChanged;
using platform::kWmImeComposition;
using platform::kWmImeEndComposition;
using platform::kWmImeUiMenu;
using platform::kWmImeUiRepaint;
using platform::kWmImeUiSoftKbd;

namespace {

using platform::SimEvent;

class ImeCoreKeys : public ::testing::Test {
 protected:
  FakeLexicon lexicon;
  EngineHarness engine{lexicon};
  settings::ImeSettings& settings = engine.settings();
};

TEST_F(ImeCoreKeys, ShiftTappedAloneSwitchesToGermanAndBack) {
  ASSERT_EQ(settings.inputmode, kPinyinMode);
  ASSERT_NE(engine.Conversion() & kCmodeSymbol, 0u) << "pinyin mode runs with Chinese punctuation";
  EXPECT_FALSE(engine.keys().Press(vk::kShift).claimed) << "the press waits for its release";
  EXPECT_TRUE(engine.keys().Release(vk::kShift).claimed);
  EXPECT_EQ(settings.inputmode, kGermanMode);
  EXPECT_EQ(engine.Conversion() & kCmodeSymbol, 0u);
  EXPECT_EQ(settings.previnputmode, kPinyinMode);
  engine.Tap(vk::kShift);
  EXPECT_EQ(settings.inputmode, kPinyinMode);
  EXPECT_NE(engine.Conversion() & kCmodeSymbol, 0u);
}

TEST_F(ImeCoreKeys, ShiftWithAnotherKeyOrHeldUntilItRepeatsDoesNotSwitch) {
  engine.Type(u"A");
  EXPECT_EQ(settings.inputmode, kPinyinMode) << "Shift+A";
  engine.keys().Press(vk::kShift);
  engine.keys().Press(vk::kShift);
  EXPECT_FALSE(engine.keys().Release(vk::kShift).claimed) << "a repeated Shift";
  EXPECT_EQ(settings.inputmode, kPinyinMode);
  engine.keys().Press(vk::kShift);
  engine.Chord({vk::kControl}, vk::kControl);
  EXPECT_FALSE(engine.keys().Release(vk::kShift).claimed) << "another key between press and release";
}

TEST_F(ImeCoreKeys, TheModeSwitchClosesAnOpenComposition) {
  engine.Type(u"ni");
  engine.keys().Press(vk::kShift);
  const KeyOutcome release = engine.keys().Release(vk::kShift);
  EXPECT_EQ(release.messages, (std::vector<platform::ImeMessage>{{kWmImeComposition, 0, kCompositionChanged},
                                                                  {kWmImeEndComposition, 0, 0}}));
  EXPECT_TRUE(engine.core().Composition().empty());
}

TEST_F(ImeCoreKeys, PinyinLeavesCapitalsToTheApplicationGermanTakesThem) {
  EXPECT_FALSE(engine.Type(u"N").claimed) << "a capital typed with Shift";
  engine.keys().Press(vk::kCapital);
  engine.keys().Release(vk::kCapital);
  EXPECT_FALSE(engine.Tap('N').claimed) << "a capital typed with Caps Lock";
  engine.keys().Tap(vk::kCapital);
  EXPECT_TRUE(engine.Tap('N').claimed);
  EXPECT_EQ(engine.core().Composition(), u"n");
  EXPECT_TRUE(engine.Type(u"I").claimed) << "a capital continues an open composition";
  EXPECT_EQ(engine.core().Composition(), u"nI");

  engine.Tap(vk::kEscape);
  engine.Tap(vk::kShift);
  EXPECT_TRUE(engine.Type(u"H").claimed);
  EXPECT_EQ(engine.core().Composition(), u"H");
}

TEST_F(ImeCoreKeys, GermanDigitsAndSymbolsOnlyContinueAComposition) {
  engine.Tap(vk::kShift);
  EXPECT_FALSE(engine.Tap('1').claimed) << "no composition";
  EXPECT_FALSE(engine.Type(u"-").claimed);
  engine.Type(u"ab");
  EXPECT_TRUE(engine.Type(u"?").claimed);
  EXPECT_FALSE(engine.Tap('0').claimed) << "0 is not a German key";
  EXPECT_FALSE(engine.Type(u"`").claimed) << "not one of the characters that continue a word";
  EXPECT_EQ(engine.core().Composition(), u"ab?");
  EXPECT_EQ(engine.Type(u"&").committed, u"ab? ") << "a digit key with Shift selects, here the letters as typed";
}

TEST_F(ImeCoreKeys, EditingKeysAreClaimedOnlyWithSomethingToEdit) {
  for (uint32_t key : {vk::kBack, vk::kReturn, vk::kEscape, vk::kSpace, vk::kLeft, vk::kDown, vk::kTab}) {
    EXPECT_FALSE(engine.Tap(key).claimed) << key;
  }
  engine.Type(u"ni");
  for (uint32_t key : {vk::kLeft, vk::kRight, vk::kHome, vk::kEnd, vk::kUp, vk::kDown, vk::kTab}) {
    EXPECT_TRUE(engine.Tap(key).claimed) << key;
  }
  EXPECT_FALSE(engine.Chord({vk::kControl}, vk::kLeft).claimed) << "Ctrl+Left is the application's";
  EXPECT_FALSE(engine.Chord({vk::kShift}, vk::kLeft).claimed) << "Shift+Left too";
  EXPECT_EQ(engine.core().Composition(), u"ni");
}

TEST_F(ImeCoreKeys, CapsLockOnlyRepaintsTheStatusWindow) {
  engine.Type(u"ni");
  engine.sim().ClearEvents();
  const KeyOutcome press = engine.keys().Press(vk::kCapital);
  const KeyOutcome release = engine.keys().Release(vk::kCapital);
  EXPECT_TRUE(press.claimed);
  EXPECT_TRUE(release.claimed);
  EXPECT_EQ(engine.core().Composition(), u"ni");
  const SimEvent repaint = SimEvent::Sent(engine.windows().status(), {kWmImeUiRepaint, 0, 0});
  EXPECT_EQ(engine.sim().Events(), (std::vector<SimEvent>{repaint, repaint}));
}

TEST_F(ImeCoreKeys, HotKeysWithCtrlAndShift) {
  engine.Chord({vk::kControl, vk::kShift}, 'L');
  EXPECT_EQ(settings.big5mode, 1u);
  engine.sim().ClearEvents();
  engine.Chord({vk::kControl, vk::kShift}, 'M');
  EXPECT_EQ(engine.sim().Events(), (std::vector<SimEvent>{SimEvent::Sent(engine.windows().status(), {kWmImeUiMenu, 0, 0})}));
  engine.sim().ClearEvents();
  engine.Chord({vk::kControl, vk::kShift}, 'K');
  EXPECT_EQ(engine.sim().Events(), (std::vector<SimEvent>{SimEvent::Sent(engine.windows().status(), {kWmImeUiSoftKbd, 0, 0})}));
  // Another window of the status class, as another application's bar, is never addressed; without
  // a bar of this process's own the keys reach nothing.
  const platform::WindowHandle foreign = engine.sim().AddWindow(u"KellavorIME_Status");
  engine.panel().SetStatusWindow(nullptr);
  engine.sim().ClearEvents();
  engine.Chord({vk::kControl, vk::kShift}, 'M');
  EXPECT_TRUE(engine.sim().Events().empty());
  engine.sim().RemoveWindow(foreign);
  engine.panel().SetStatusWindow(engine.windows().status());
  engine.Chord({vk::kControl, vk::kShift}, 'A');
  EXPECT_EQ(settings.inputmode, kGermanMode);
  EXPECT_EQ(settings.previnputmode, kPinyinMode) << "the hot key leaves the switch key's memory alone";

  settings.sthotktyenable = 0;
  EXPECT_FALSE(engine.Chord({vk::kControl, vk::kShift}, 'L').claimed);
  EXPECT_EQ(settings.big5mode, 1u);
}

TEST_F(ImeCoreKeys, AClosedContextDeclinesEverything) {
  auto* fields = engine.sim().FindContext(engine.context());
  fields->open = false;
  const platform::ContextHandle other = engine.sim().CreateContext(engine.app());
  engine.core().SetContext(other);
  EXPECT_FALSE(engine.Tap('N').claimed);
  EXPECT_FALSE(engine.keys().Press(vk::kCapital).claimed);
  EXPECT_EQ(engine.core().Context(), engine.context()) << "the engine still follows the call's context";
  EXPECT_TRUE(engine.core().Composition().empty());
}

}  // namespace
}  // namespace kellavor::core
