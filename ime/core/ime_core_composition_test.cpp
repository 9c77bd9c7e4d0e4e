// Typing, editing, segments, pages and the highlight, on a small table of candidates.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/engine_harness.h"
#include "tests/support/fake_lexicon.h"

namespace kellavor::core {

namespace vk = platform::vk;
using platform::kWmImeEndComposition;

namespace {

// Candidates named after their place, for paging: "c0", "c1", ...
std::vector<FakeEntry> Numbered(int count) {
  std::vector<FakeEntry> entries;
  for (int i = 0; i < count; ++i) {
    std::u16string text = u"c";
    text += static_cast<char16_t>(u'0' + i % 10);
    if (i >= 10) text += static_cast<char16_t>(u'0' + i / 10);
    entries.push_back({text});
  }
  return entries;
}

std::vector<std::u16string> PageTexts(const InputPanel& panel) {
  std::vector<std::u16string> texts;
  for (const PanelEntry& entry : panel.Entries()) texts.push_back(entry.text);
  return texts;
}

class ImeCoreComposition : public ::testing::Test {
 protected:
  ImeCoreComposition() {
    lexicon.Offer(u"zhongguo", {{u"中国", 8, {5, 3}}, {u"中", 5, {5}}});
    lexicon.Offer(u"guo", {{u"国", 3, {3}}});
    lexicon.Offer(u"a", Numbered(12));
  }

  FakeLexicon lexicon;
  EngineHarness engine{lexicon};
  ImeCore& core = engine.core();
  InputPanel& panel = engine.panel();
};

TEST_F(ImeCoreComposition, TheCompositionShowsTheFormattedReadingOfTheFirstCandidate) {
  engine.Type(u"zhongguo");
  EXPECT_EQ(PageTexts(panel), (std::vector<std::u16string>{u"中国", u"中"}));
  EXPECT_EQ(panel.Composition(), u"zhong'guo'");
  EXPECT_EQ(panel.Split(), 10) << "the caret behind the letters and their separators";
  EXPECT_EQ(lexicon.searches.back(), u"zhongguo");
}

TEST_F(ImeCoreComposition, EachKeyAsksTheDictionariesOnceForItsPageAndASelectionReadsThePageShown) {
  engine.Type(u"zhongguo");
  EXPECT_EQ(lexicon.pagesDescribed, 8) << "items, texts, codes and the reading of a page in one call";
  engine.Type(u"2");
  EXPECT_EQ(lexicon.pagesDescribed, 9) << "only the search for the letters left describes its page";
  EXPECT_EQ(engine.Type(u" ").committed, u"中国");
  EXPECT_EQ(lexicon.pagesDescribed, 9) << "the text and the codes learned come from the page shown";
}

TEST_F(ImeCoreComposition, TheCaretMovesWithinTheCompositionAndTheSearchFollowsIt) {
  engine.Type(u"zhongguo");
  engine.Tap(vk::kHome);
  EXPECT_EQ(core.Cursor(), 0);
  EXPECT_EQ(lexicon.searches.back(), u"zhongguo") << "with the caret at the front the whole composition";
  engine.Tap(vk::kRight);
  engine.Tap(vk::kRight);
  EXPECT_EQ(lexicon.searches.back(), u"zh");
  engine.Tap(vk::kDelete);
  EXPECT_EQ(core.Composition(), u"zhngguo");
  engine.Tap(vk::kEnd);
  EXPECT_EQ(core.Cursor(), 7);
  EXPECT_TRUE(engine.Tap(vk::kRight).claimed) << "claimed at the end, but nothing moves";
  EXPECT_EQ(core.Cursor(), 7);
}

TEST_F(ImeCoreComposition, APartialSelectionBecomesASegmentThatLeftUndoes) {
  engine.Type(u"zhongguo");
  const KeyOutcome select = engine.Type(u"2");
  EXPECT_FALSE(select.hasCommit);
  ASSERT_EQ(core.Segments().size(), 1u);
  EXPECT_EQ(core.Segments()[0].reading, u"zhong");
  EXPECT_EQ(core.Segments()[0].text, u"中");
  EXPECT_EQ(core.Composition(), u"guo");
  EXPECT_EQ(core.Cursor(), 3);
  EXPECT_EQ(panel.Composition(), u"中guo'") << "the segment in front of the reading";
  EXPECT_EQ(panel.Split(), 5);

  engine.Tap(vk::kHome);
  engine.Tap(vk::kLeft);
  EXPECT_TRUE(core.Segments().empty());
  EXPECT_EQ(core.Composition(), u"zhongguo");
  EXPECT_EQ(core.Cursor(), 5) << "just behind the letters given back";
}

TEST_F(ImeCoreComposition, CompletingASegmentedEntryCommitsAndLearnsThePhrase) {
  engine.Type(u"zhongguo");
  engine.Type(u"2");
  const KeyOutcome complete = engine.Type(u" ");
  EXPECT_EQ(complete.committed, u"中国");
  ASSERT_EQ(lexicon.learnedPhrases.size(), 1u);
  EXPECT_EQ(lexicon.learnedPhrases[0].first, u"中国");
  EXPECT_EQ(lexicon.learnedPhrases[0].second, (std::vector<uint16_t>{5, 3}));
  EXPECT_TRUE(lexicon.learnedCandidates.empty());

  engine.Type(u"zhongguo ");
  EXPECT_EQ(lexicon.learnedCandidates, std::vector<std::u16string>{u"中国"}) << "one step: the candidate itself";
}

TEST_F(ImeCoreComposition, EnterCommitsTheConvertedSegmentsWithTheTypedLetters) {
  engine.Type(u"zhongguo");
  engine.Type(u"2");
  EXPECT_EQ(engine.Tap(vk::kReturn).committed, u"中guo");
  EXPECT_TRUE(core.Segments().empty());
}

TEST_F(ImeCoreComposition, BackspaceAtTheFrontClosesEverything) {
  engine.Type(u"zhongguo");
  engine.Type(u"2");
  engine.Tap(vk::kHome);
  const KeyOutcome back = engine.Tap(vk::kBack);
  EXPECT_FALSE(back.hasCommit);
  EXPECT_TRUE(core.Composition().empty());
  EXPECT_TRUE(core.Segments().empty());
  EXPECT_EQ(back.messages.back(), (platform::ImeMessage{kWmImeEndComposition, 0, 0}));
}

TEST_F(ImeCoreComposition, BackspaceOverTheLastLetterGivesTheSegmentBack) {
  engine.Type(u"zhongguo");
  engine.Type(u"2");
  engine.Tap(vk::kBack);
  engine.Tap(vk::kBack);
  engine.Tap(vk::kBack);
  EXPECT_EQ(core.Composition(), u"zhong");
  EXPECT_TRUE(core.Segments().empty());
}

TEST_F(ImeCoreComposition, TheCompositionHoldsSixtyFourUnits) {
  const KeyOutcome typed = engine.Type(std::u16string(70, u'x'));
  EXPECT_EQ(core.Composition().size(), 64u);
  EXPECT_TRUE(engine.Tap('X').claimed) << "the 65th letter is claimed but not inserted";
  EXPECT_EQ(core.Composition().size(), 64u);
}

TEST_F(ImeCoreComposition, PagesTurnWithTheirKeysAndStopAtTheEnds) {
  engine.Type(u"a");
  EXPECT_EQ(PageTexts(panel), (std::vector<std::u16string>{u"c0", u"c1", u"c2", u"c3", u"c4"}));
  EXPECT_FALSE(panel.CanPageUp());
  EXPECT_TRUE(panel.CanPageDown());
  engine.Tap(vk::kNext);
  engine.Tap(vk::kTab);
  EXPECT_EQ(core.PageIndex(), 2);
  EXPECT_EQ(PageTexts(panel), (std::vector<std::u16string>{u"c01", u"c11"}));
  EXPECT_FALSE(panel.CanPageDown());
  engine.Tap(vk::kNext);
  EXPECT_EQ(core.PageIndex(), 2) << "the last page";
  engine.Chord({vk::kShift}, vk::kTab);
  engine.Type(u"-");
  EXPECT_EQ(core.PageIndex(), 0);
  engine.Type(u"=");
  EXPECT_EQ(core.PageIndex(), 1);
  engine.Tap(vk::kPrior);
  engine.Tap(vk::kPrior);
  EXPECT_EQ(core.PageIndex(), 0);
  EXPECT_EQ(core.Composition(), u"a") << "no key typed into the composition";
}

TEST_F(ImeCoreComposition, TheHighlightWrapsOnAFullLastPageAndStopsOnAPartialOne) {
  engine.Type(u"a");
  for (int i = 0; i < 9; ++i) engine.Tap(vk::kDown);
  EXPECT_EQ(core.PageIndex(), 1);
  EXPECT_EQ(core.Selection(), 4);
  engine.Tap(vk::kDown);
  EXPECT_EQ(core.PageIndex(), 2);
  EXPECT_EQ(core.Selection(), 0);
  engine.Tap(vk::kDown);
  engine.Tap(vk::kDown);
  EXPECT_EQ(core.PageIndex(), 2);
  EXPECT_EQ(core.Selection(), 1) << "a partial last page keeps it on its last candidate";
  EXPECT_EQ(panel.Highlight(), 1u);

  engine.Tap(vk::kUp);
  engine.Tap(vk::kUp);
  EXPECT_EQ(core.PageIndex(), 1);
  EXPECT_EQ(core.Selection(), 4) << "up from the top of a page goes to the bottom of the one before";

  engine.settings().numofpage = 4;
  core.TakePageSize();
  engine.Tap(vk::kPrior);
  engine.Tap(vk::kPrior);
  EXPECT_EQ(core.Selection(), 3) << "the highlight stays within the smaller page";
  for (int i = 0; i < 8; ++i) engine.Tap(vk::kDown);
  EXPECT_EQ(core.PageIndex(), 2);
  EXPECT_EQ(core.Selection(), 3);
  engine.Tap(vk::kDown);
  EXPECT_EQ(core.Selection(), 0) << "12 in pages of 4: the last page is full and wraps";
}

TEST_F(ImeCoreComposition, TypingPutsTheHighlightBackOnTop) {
  lexicon.Offer(u"ab", Numbered(3));
  engine.Type(u"a");
  engine.Tap(vk::kDown);
  engine.Tap(vk::kDown);
  engine.Tap(vk::kDown);
  engine.Type(u"b");
  EXPECT_EQ(core.Selection(), 0);
  EXPECT_EQ(panel.Highlight(), 0u);
}

TEST_F(ImeCoreComposition, AHighlightBeyondAShortenedListFollowsIt) {
  lexicon.Offer(u"ab", Numbered(2));
  engine.Type(u"ab");
  engine.Tap(vk::kLeft);
  for (int i = 0; i < 4; ++i) engine.Tap(vk::kDown);
  EXPECT_EQ(core.Selection(), 4);
  engine.Tap(vk::kRight);
  EXPECT_EQ(core.Selection(), 1) << "the list of ab has two candidates";
  EXPECT_EQ(panel.Highlight(), 1u);
  EXPECT_EQ(engine.Type(u" ").committed, u"c1");
}

TEST_F(ImeCoreComposition, DigitsSelectOnThePageAndOnlyUpToItsSize) {
  engine.Type(u"a");
  engine.Tap(vk::kNext);
  EXPECT_EQ(engine.Type(u"3").committed, u"c7");

  engine.Type(u"a");
  const KeyOutcome six = engine.Type(u"6");
  EXPECT_EQ(six.committed, u"c06") << "beyond the page: punctuation commits the first candidate and the digit";

  engine.Tap(vk::kShift);
  engine.Type(u"a");
  engine.Type(u"6");
  EXPECT_EQ(core.Composition(), u"a6") << "German mode types it";
}

TEST_F(ImeCoreComposition, ZeroAndShiftedDigitsTakeTheHighlightedCandidate) {
  engine.Type(u"a");
  engine.Tap(vk::kDown);
  EXPECT_EQ(engine.Type(u"0").committed, u"c1");
  engine.Type(u"a");
  engine.Tap(vk::kDown);
  engine.Tap(vk::kDown);
  EXPECT_EQ(engine.Type(u"!").committed, u"c2");
}

TEST_F(ImeCoreComposition, NoCandidatesSelectKeyCommitsTheLetters) {
  EXPECT_EQ(engine.Type(u"xyz ").committed, u"xyz");
}

TEST_F(ImeCoreComposition, PageKeysAgainstHyphenTypingInGermanMode) {
  engine.Tap(vk::kShift);
  lexicon.Offer(u"ab", Numbered(7));
  engine.Type(u"ab");
  engine.Tap(vk::kNext);
  engine.Type(u"-");
  EXPECT_EQ(core.PageIndex(), 0);
  engine.Tap(vk::kNext);
  engine.Tap(vk::kSubtract);
  EXPECT_EQ(core.PageIndex(), 0) << "the numeric pad's minus turns the page too";
  EXPECT_EQ(core.Composition(), u"ab");
  engine.Type(u"_");
  EXPECT_EQ(core.Composition(), u"ab_") << "with Shift the key types its underscore";

  engine.settings().pageturnbyplus = 0;
  engine.Type(u"-");
  engine.Tap(vk::kSubtract);
  EXPECT_EQ(core.Composition(), u"ab_--");
}

}  // namespace
}  // namespace kellavor::core
