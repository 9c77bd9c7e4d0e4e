// Pinyin typing on the fixture dictionaries, through the simulated input-method manager.
#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

#include "ime/core/composition_string_block.h"
#include "tests/engine/fixture_engine.h"

namespace kellavor::core {

namespace vk = platform::vk;
using platform::kCompositionChanged;
using platform::kGcsResultStr;
using platform::kWmImeComposition;
using platform::kWmImeEndComposition;
using platform::kWmImeStartComposition;

namespace {

using platform::ImeMessage;
using Messages = std::vector<ImeMessage>;

const ImeMessage kStart{kWmImeStartComposition, 0, 0};
const ImeMessage kChanged{kWmImeComposition, 0, kCompositionChanged};
const ImeMessage kResult{kWmImeComposition, 0, kGcsResultStr};
const ImeMessage kEnd{kWmImeEndComposition, 0, 0};

std::vector<std::u16string> PageTexts(const InputPanel& panel) {
  std::vector<std::u16string> texts;
  for (const PanelEntry& entry : panel.Entries()) texts.push_back(entry.text);
  return texts;
}

std::u16string FirstEntry(const InputPanel& panel) {
  return panel.Entries().empty() ? std::u16string() : panel.Entries()[0].text;
}

TEST(PinyinScenarios, NihaoSpaceCommitsTheFirstCandidate) {
  EngineHarness engine(FixtureEngine("Nihao"));
  const KeyOutcome first = engine.Type(u"n");
  EXPECT_EQ(first.messages, (Messages{kStart, kChanged}));
  EXPECT_TRUE(engine.sim().IsWindowVisible(engine.windows().composition())) << "the refresh showed the panel";
  EXPECT_EQ(engine.Type(u"i").messages, (Messages{kChanged}));
  engine.Type(u"hao");
  EXPECT_EQ(FirstEntry(engine.panel()), u"你好");
  EXPECT_EQ(engine.panel().Composition(), u"ni'hao'");
  const KeyOutcome space = engine.Type(u" ");
  EXPECT_EQ(space.messages, (Messages{kChanged, kEnd, kResult}));
  EXPECT_EQ(space.committed, u"你好");
}

TEST(PinyinScenarios, APartOfTheReadingBecomesASegment) {
  EngineHarness engine(FixtureEngine("Segment"));
  engine.Type(u"zhongguo");
  const std::vector<std::u16string> page = PageTexts(engine.panel());
  ASSERT_FALSE(page.empty());
  EXPECT_EQ(page[0], u"中国");
  const auto zhong = std::find(page.begin(), page.end(), u"中");
  ASSERT_NE(zhong, page.end()) << "the first syllable's character is on the page";
  engine.Type(std::u16string(1, static_cast<char16_t>(u'1' + (zhong - page.begin()))));
  ASSERT_EQ(engine.core().Segments().size(), 1u);
  EXPECT_EQ(engine.core().Composition(), u"guo");
  EXPECT_EQ(FirstEntry(engine.panel()), u"国");
  EXPECT_EQ(engine.panel().Composition(), u"中guo'");

  engine.Tap(vk::kHome);
  engine.Tap(vk::kLeft);
  EXPECT_EQ(engine.core().Composition(), u"zhongguo") << "Left at the front gives the letters back";
  EXPECT_TRUE(engine.core().Segments().empty());
}

TEST(PinyinScenarios, TheReadingOfTheFirstCandidateIsShownFormatted) {
  EngineHarness engine(FixtureEngine("Reading"));
  engine.Type(u"zhongguoren");
  EXPECT_EQ(FirstEntry(engine.panel()), u"中国人");
  EXPECT_EQ(engine.panel().Composition(), u"zhong'guo'ren'");
  engine.Tap(vk::kLeft);
  engine.Tap(vk::kLeft);
  engine.Tap(vk::kLeft);
  EXPECT_EQ(FirstEntry(engine.panel()), u"中国") << "the search key is the part in front of the caret";
  EXPECT_EQ(engine.panel().Composition(), u"zhong'guo'ren");
  EXPECT_EQ(engine.panel().Split(), 10);
}

TEST(PinyinScenarios, TraditionalOutputInPinyinModeOnly) {
  EngineHarness engine(FixtureEngine("Traditional"));
  engine.Chord({vk::kControl, vk::kShift}, 'L');
  ASSERT_EQ(engine.settings().big5mode, 1u);
  engine.Type(u"hanyu");
  EXPECT_EQ(FirstEntry(engine.panel()), u"漢語") << "the page is shown converted";
  EXPECT_EQ(engine.Type(u" ").committed, u"漢語");
  EXPECT_EQ(engine.Type(u"wo ").committed, u"我") << "a character without a traditional form";

  engine.Tap(vk::kShift);
  engine.core().Commit(engine.context(), u"国语", true);
  const auto* fields = engine.sim().FindContext(engine.context());
  EXPECT_EQ(ReadResultString(engine.sim().BlockBytes(fields->compositionString)), u"国语")
      << "German mode commits unconverted";
}

TEST(PinyinScenarios, NoCandidatesCommitsTheLettersWithTheSelectKey) {
  EngineHarness engine(FixtureEngine("NoCandidates"));
  engine.Type(u"vvv");
  EXPECT_TRUE(engine.panel().Entries().empty());
  EXPECT_EQ(engine.Type(u" ").committed, u"vvv");
}

TEST(PinyinScenarios, ASelectionIsLearnedAndOfferedFirstNextTime) {
  EngineHarness engine(FixtureEngine("Learning"));
  engine.Type(u"xian");
  EXPECT_EQ(FirstEntry(engine.panel()), u"西安");
  engine.Tap(vk::kNext);
  EXPECT_EQ(FirstEntry(engine.panel()), u"仙") << "the rarest reading of xian, alone on the second page";
  EXPECT_EQ(engine.Type(u"1").committed, u"仙");
  engine.Type(u"xian");
  EXPECT_EQ(PageTexts(engine.panel()), (std::vector<std::u16string>{u"西安", u"仙", u"现", u"先", u"西"}))
      << "the learned character comes before the characters of the dictionary";
  engine.Tap(vk::kEscape);

  engine.Type(u"zhongren");
  EXPECT_EQ(PageTexts(engine.panel()), (std::vector<std::u16string>{u"中人", u"中"})) << "an assembled sentence";
  engine.Type(u"2");
  ASSERT_EQ(engine.core().Segments().size(), 1u);
  EXPECT_EQ(engine.Type(u" ").committed, u"中人") << "a phrase composed of two selections";
  engine.Type(u"zhongren");
  ASSERT_GT(engine.core().CandidateCount(), 0);
  EXPECT_EQ(engine.core().CandidateAt(0).kind, lexicon::candidate_kind::kUs) << "offered as the learned phrase";
}

}  // namespace
}  // namespace kellavor::core
