#include "ime/core/entry_points.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "ime/core/candidate_info_block.h"
#include "ime/core/composition_string_block.h"
#include "ime/core/block_fields.h"
#include "tests/support/engine_harness.h"
#include "tests/support/fake_lexicon.h"

namespace kellavor::core {

using platform::kCmodeSoftKbd;
using platform::kCmodeSymbol;
using platform::kCompositionChanged;
using platform::kUiWindowClass;
using platform::kWmImeComposition;
using platform::kWmImeEndComposition;

namespace {

using platform::ImeMessage;
using platform::SimEvent;

TEST(EntryPoints, TheModuleDescribesItself) {
  EXPECT_EQ(kImeInfo.privateDataSize, 0u);
  EXPECT_EQ(kImeInfo.property, 0x001E0002u);
  EXPECT_EQ(kImeInfo.conversionCaps, 0x01A9u);
  EXPECT_EQ(kImeInfo.sentenceCaps, 0u);
  EXPECT_EQ(kImeInfo.uiCaps, 0x00010001u);
  EXPECT_EQ(kImeInfo.scsCaps, 3u);
  EXPECT_EQ(kImeInfo.selectCaps, 1u);
  EXPECT_EQ(kUiWindowClass, u"KellavorIME_UI");
}

TEST(EntryPoints, EscapesAnswerTheirQueries) {
  auto query = [](uint32_t subFunction) { return ImeEscape(kImeEscQuerySupport, &subFunction); };
  EXPECT_EQ(query(0x1006), 1);
  EXPECT_EQ(query(0x0003), 1);
  EXPECT_EQ(query(0x1005), 1);
  EXPECT_EQ(query(0x100B), 1);
  EXPECT_EQ(query(0x1001), 0);
  EXPECT_EQ(ImeEscape(kImeEscQuerySupport, nullptr), 0);
  EXPECT_EQ(ImeEscape(kImeEscMaxKey, nullptr), 4);
  EXPECT_EQ(ImeEscape(kImeEscGetHelpFileName, nullptr), 1);
  EXPECT_EQ(ImeEscape(0x1001, nullptr), 0);

  char16_t name[16];
  std::fill(std::begin(name), std::end(name), u'#');
  EXPECT_EQ(ImeEscape(kImeEscImeName, name), 1);
  EXPECT_EQ(std::u16string(name), u"Veltrani");
  EXPECT_EQ(name[9], u'#') << "nothing written behind the terminator";
  EXPECT_EQ(ImeEscape(kImeEscImeName, nullptr), 0);
}

TEST(EntryPoints, SelectOpensTheContextWithFreshBlocks) {
  platform::SimInputMethod sim;
  const platform::ContextHandle context = sim.CreateContext();
  EXPECT_TRUE(ImeSelect(sim, nullptr, context, true));
  const auto* fields = sim.FindContext(context);
  EXPECT_TRUE(fields->open);
  const auto composition = sim.BlockBytes(fields->compositionString);
  ASSERT_EQ(composition.size(), 1892u);
  EXPECT_EQ(ReadField(composition, composition_string::kResultStrOffset), 1380u);
  const auto candidates = sim.BlockBytes(fields->candidateInfo);
  ASSERT_EQ(candidates.size(), 6364u);
  EXPECT_EQ(ReadField(candidates, candidate_info::kCount), 1u);
  EXPECT_EQ(ReadField(candidates, candidate_info::kOffset), 144u);
  EXPECT_EQ(sim.LockCount(context), 0);
  EXPECT_EQ(sim.LockCount(fields->compositionString), 0);

  const auto oldBlock = fields->compositionString;
  ImeSelect(sim, nullptr, context, true);
  EXPECT_NE(sim.FindContext(context)->compositionString, oldBlock);
  EXPECT_EQ(sim.BlockCount(), 2u) << "the old blocks are destroyed";
  EXPECT_TRUE(ImeSelect(sim, nullptr, nullptr, true));
  EXPECT_TRUE(ImeSelect(sim, nullptr, context, false));
  EXPECT_EQ(sim.BlockCount(), 2u) << "leaving frees nothing";
}

TEST(EntryPoints, WithoutTheEngineKeysAreDeclined) {
  platform::SimInputMethod sim;
  const platform::ContextHandle context = sim.CreateContext();
  ImeSelect(sim, nullptr, context, true);
  const platform::KeyState keys{};
  EXPECT_FALSE(ImeProcessKey(sim, nullptr, context, 'A', 0, keys));
  TranslationListBuffer list(8);
  EXPECT_EQ(ImeToAsciiEx(sim, nullptr, 'A', 0, keys, list.data(), 0, context), 0u);
  EXPECT_FALSE(NotifyIME(sim, nullptr, context, kNiCompositionStr, kCpsCancel, 0));
}

class SoftKeyboardLog : public SoftKeyboardWindow {
 public:
  void DestroySoftKeyboard() override { calls.push_back("destroy"); }
  void CreateSoftKeyboard(platform::WindowHandle ownerWindow, uint32_t layout) override {
    calls.push_back("create " + std::to_string(layout));
    owner = ownerWindow;
  }
  std::vector<std::string> calls;
  platform::WindowHandle owner = nullptr;
};

TEST(EntryPoints, SelectingAContextTakesItUp) {
  FakeLexicon lexicon;
  EngineHarness engine(lexicon, [](settings::ImeSettings& settings) {
    settings.uselast = 0;
    settings.defaultinputmode = kGermanMode;
  });
  EXPECT_EQ(engine.settings().inputmode, kGermanMode) << "the default mode at every selection";
  EXPECT_EQ(engine.Conversion() & kCmodeSymbol, 0u);

  SoftKeyboardLog softKeyboard;
  engine.core().SetSoftKeyboardWindow(&softKeyboard);
  engine.Type(u"Haus");
  const platform::WindowHandle other = engine.sim().AddWindow(u"Edit");
  const platform::ContextHandle second = engine.sim().CreateContext(other);
  engine.sim().SetConversionStatus(second, {kCmodeSoftKbd, 0});
  engine.sim().ClearEvents();
  ImeSelect(engine.sim(), &engine.core(), second, true);
  EXPECT_EQ(softKeyboard.calls, (std::vector<std::string>{"destroy", "create 13"}));
  EXPECT_EQ(softKeyboard.owner, other);
  EXPECT_EQ(engine.core().Context(), second);
  EXPECT_TRUE(engine.core().Composition().empty()) << "closed without notification";
  for (const SimEvent& event : engine.sim().Events()) EXPECT_NE(event.kind, SimEvent::Kind::Delivered);
}

TEST(EntryPoints, ACancelRequestClosesTheCompositionThroughTheContextBuffer) {
  FakeLexicon lexicon;
  EngineHarness engine(lexicon);
  engine.Type(u"ni");
  engine.sim().ClearEvents();
  EXPECT_FALSE(NotifyIME(engine.sim(), &engine.core(), engine.context(), kNiCompositionStr, kCpsCancel, 0));
  EXPECT_TRUE(engine.core().Composition().empty());
  std::vector<ImeMessage> delivered;
  for (const SimEvent& event : engine.sim().Events()) {
    if (event.kind == SimEvent::Kind::Delivered) delivered.push_back(event.message);
  }
  EXPECT_EQ(delivered, (std::vector<ImeMessage>{{kWmImeComposition, 0, kCompositionChanged},
                                                {kWmImeEndComposition, 0, 0}}));
  EXPECT_TRUE(NotifyIME(engine.sim(), &engine.core(), engine.context(), kNiContextUpdated, 0, kImcSetOpenStatus));
  EXPECT_FALSE(NotifyIME(engine.sim(), &engine.core(), engine.context(), kNiContextUpdated, 0, 0x0001));
  EXPECT_FALSE(NotifyIME(engine.sim(), &engine.core(), engine.context(), 0x0010, 0, 0));
  EXPECT_EQ(engine.sim().LockCount(engine.context()), 0);
}

// Each entry point locks the context once and each block it writes once: the first letter of a
// word, which opens the composition and publishes a page, is a press and a release.
TEST(EntryPoints, AKeyLocksTheContextOncePerCall) {
  FakeLexicon lexicon;
  lexicon.Offer(u"n", {FakeEntry(u"你", 1), FakeEntry(u"呢", 1)});
  EngineHarness engine(lexicon);
  const int contextLocks = engine.sim().ContextLocksTaken();
  const int blockLocks = engine.sim().BlockLocksTaken();
  engine.Tap('N');
  ASSERT_EQ(engine.core().Composition(), u"n");
  EXPECT_EQ(engine.sim().ContextLocksTaken() - contextLocks, 4) << "ImeProcessKey and ImeToAsciiEx, twice";
  EXPECT_LE(engine.sim().BlockLocksTaken() - blockLocks, 4)
      << "both blocks cleared, the candidate list counted per candidate";
  EXPECT_EQ(engine.sim().LockCount(engine.context()), 0);
}

TEST(EntryPoints, AKeyTheKeyboardStateShowsUpIsHandledAsARelease) {
  FakeLexicon lexicon;
  EngineHarness engine(lexicon);
  platform::KeyState keys{};
  TranslationListBuffer list(8);
  // The scan code of N without the release bit, as some managers pass a release.
  ImeToAsciiEx(engine.sim(), &engine.core(), 'N', 0x31, keys, list.data(), 0, engine.context());
  EXPECT_TRUE(engine.core().Composition().empty()) << "a release types nothing";
  keys['N'] = 0x80;
  ImeToAsciiEx(engine.sim(), &engine.core(), 'N', 0x31, keys, list.data(), 0, engine.context());
  EXPECT_EQ(engine.core().Composition(), u"n");
}

}  // namespace
}  // namespace kellavor::core
