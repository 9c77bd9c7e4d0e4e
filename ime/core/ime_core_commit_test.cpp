// What reaches the application: message orders, committed texts, German input, punctuation, the
// soft keyboard and the clipboard path.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ime/core/composition_string_block.h"
#include "tests/support/engine_harness.h"
#include "tests/support/fake_lexicon.h"

namespace kellavor::core {

namespace vk = platform::vk;
using platform::kCmodeFullShape;
using platform::kCmodeSoftKbd;
using platform::kCmodeSymbol;
using platform::kCompositionChanged;
using platform::kGcsResultStr;
using platform::kWmImeComposition;
using platform::kWmImeEndComposition;
using platform::kWmImeUiRefresh;

namespace {

using platform::ImeMessage;
using platform::SimEvent;
using Messages = std::vector<ImeMessage>;

const ImeMessage kChanged{kWmImeComposition, 0, kCompositionChanged};
const ImeMessage kResult{kWmImeComposition, 0, kGcsResultStr};
const ImeMessage kEnd{kWmImeEndComposition, 0, 0};

class ImeCoreCommit : public ::testing::Test {
 protected:
  ImeCoreCommit() {
    lexicon.Offer(u"nihao", {{u"你好", 5, {2, 3}}, {u"您好", 5, {2, 3}}});
    lexicon.Offer(u"zhongguo", {{u"中国", 8, {5, 3}}, {u"中", 5, {5}}});
    lexicon.Offer(u"guoren", {{u"国", 3, {3}}});
    lexicon.Offer(u"Haus", {{u"Haus", 0, {}, u"房子\\n房屋"}, {u"Hausaufgabe", 0, {}, u"作业"}});
    lexicon.Offer(u"Bin", {{u"bin", 0, {}}});
  }

  void German() {
    engine.Tap(vk::kShift);
    ASSERT_EQ(engine.settings().inputmode, kGermanMode);
  }

  std::u16string ResultString() {
    return ReadResultString(engine.sim().BlockBytes(engine.sim().FindContext(engine.context())->compositionString));
  }

  FakeLexicon lexicon;
  EngineHarness engine{lexicon};
};

TEST_F(ImeCoreCommit, ASelectionClosesTheCompositionBeforeItCommits) {
  engine.Type(u"nihao");
  const KeyOutcome space = engine.Type(u" ");
  EXPECT_EQ(space.messages, (Messages{kChanged, kEnd, kResult}));
  EXPECT_EQ(space.committed, u"你好");
  EXPECT_EQ(ResultString(), u"你好");
  EXPECT_EQ(ReadCompositionString(engine.sim().BlockBytes(engine.sim().FindContext(engine.context())->compositionString)),
            u"");
  EXPECT_EQ(lexicon.learnedCandidates, std::vector<std::u16string>{u"你好"});

  engine.Type(u"nihao");
  const KeyOutcome digit = engine.Type(u"2");
  EXPECT_EQ(digit.messages, (Messages{kChanged, kEnd, kResult}));
  EXPECT_EQ(digit.committed, u"您好");
}

TEST_F(ImeCoreCommit, ARawCommitAndASentenceEndCommitFirst) {
  engine.Type(u"nihao");
  const KeyOutcome enter = engine.Tap(vk::kReturn);
  EXPECT_EQ(enter.messages, (Messages{kResult, kChanged, kEnd}));
  EXPECT_EQ(enter.committed, u"nihao");

  engine.settings().sentence_en = 1;
  German();
  engine.Type(u"Danke.");
  const KeyOutcome end = engine.Type(u" ");
  EXPECT_EQ(end.messages, (Messages{kResult, kChanged, kEnd}));
  EXPECT_EQ(end.committed, u"Danke. ");
}

TEST_F(ImeCoreCommit, EveryCompositionIsClosedOnceWhetherItsWindowIsShownOrNot) {
  // An application that draws the composition itself never lets the window be shown.
  engine.Type(u"ni");
  engine.sim().SetWindowVisible(engine.windows().composition(), false);
  EXPECT_EQ(engine.Tap(vk::kEscape).messages, (Messages{kChanged, kEnd}));
  EXPECT_TRUE(engine.core().Composition().empty());
  EXPECT_EQ(engine.Tap(vk::kEscape).messages, Messages{}) << "nothing open, nothing to close";

  engine.Type(u"n");
  EXPECT_EQ(engine.Tap(vk::kBack).messages, (Messages{kChanged, kEnd})) << "last letter deleted";
  engine.Type(u"nihao");
  EXPECT_EQ(engine.Tap(vk::kShift).messages, (Messages{kChanged, kEnd})) << "mode switch";
  EXPECT_EQ(engine.Tap(vk::kShift).messages, Messages{}) << "a switch back with nothing open";

  // The end of a composition destroys the panel windows; the next one still reaches the UI
  // window, which brings them back.
  engine.panel().SetWindows(nullptr, nullptr);
  engine.sim().ClearEvents();
  engine.Type(u"n");
  const platform::SimEvent refresh = SimEvent::Sent(engine.windows().ui(), {kWmImeUiRefresh, 0, 0});
  EXPECT_NE(std::find(engine.sim().Events().begin(), engine.sim().Events().end(), refresh), engine.sim().Events().end());
}

TEST_F(ImeCoreCommit, GermanCandidatesAreCommittedWithASpaceTypedLettersWithout) {
  German();
  EXPECT_EQ(engine.Type(u"Haus ").committed, u"Haus ");
  EXPECT_EQ(lexicon.learnedWords, std::vector<std::u16string>{u"Haus"});
  engine.Type(u"Haus");
  EXPECT_EQ(engine.Tap(vk::kReturn).committed, u"Haus");
  engine.core().Commit(engine.context(), u",", false);
  EXPECT_EQ(ResultString(), u",") << "a single character gets no space";
  engine.settings().en_appendspace = 0;
  EXPECT_EQ(engine.Type(u"Haus ").committed, u"Haus");
}

TEST_F(ImeCoreCommit, WithoutSpaceSelectionEnterSelectsAndSpaceCommitsTheLetters) {
  engine.settings().en_usespace = 0;
  German();
  engine.Type(u"Haus");
  engine.Tap(vk::kDown);
  EXPECT_EQ(engine.Tap(vk::kReturn).committed, u"Hausaufgabe ");
  engine.Type(u"Haus");
  EXPECT_EQ(engine.Type(u" ").committed, u"Haus");
}

TEST_F(ImeCoreCommit, GermanHintsInTheVerticalListAreTheFirstExplanation) {
  engine.settings().showmode = 1;
  German();
  engine.Type(u"Haus");
  ASSERT_EQ(engine.panel().Entries().size(), 2u);
  EXPECT_EQ(engine.panel().Entries()[0].hint, std::optional<std::u16string>(u"房子"));
  EXPECT_EQ(engine.panel().Entries()[1].hint, std::optional<std::u16string>(u"作业"));
  engine.settings().showmode = 0;
  engine.Type(u"x");
  engine.Tap(vk::kBack);
  EXPECT_EQ(engine.panel().Entries()[0].hint, std::nullopt) << "no hints in the horizontal list";
}

TEST_F(ImeCoreCommit, GermanHintsAndTheDetailWordComeFromOneDescriptionOfThePage) {
  engine.settings().showmode = 1;
  engine.settings().Detail_Show = 1;
  German();
  engine.Type(u"Haus");
  EXPECT_EQ(lexicon.pagesDescribed, 4);
  engine.Tap(vk::kDown);
  EXPECT_EQ(lexicon.pagesDescribed, 5) << "the hints and the highlighted word for the viewer with the page";
  EXPECT_EQ(engine.panel().Entries()[1].hint, std::optional<std::u16string>(u"作业"));
  EXPECT_EQ(engine.Type(u" ").committed, u"Hausaufgabe ");
  EXPECT_EQ(lexicon.pagesDescribed, 5) << "the word learned comes from the page shown";
}

TEST_F(ImeCoreCommit, GermanSentenceInput) {
  engine.settings().sentence_en = 1;
  German();
  EXPECT_FALSE(engine.Type(u"Wie geht es ").hasCommit) << "Space types a blank";
  EXPECT_EQ(engine.core().Composition(), u"Wie geht es ");
  EXPECT_EQ(engine.core().SearchKey(), u"") << "the word around the caret is still empty";

  engine.Tap(vk::kEscape);
  engine.Type(u"Ich Bin da");
  for (int i = 0; i < 3; ++i) engine.Tap(vk::kLeft);
  EXPECT_EQ(engine.core().SearchKey(), u"Bin");
  EXPECT_FALSE(engine.Type(u"1").hasCommit) << "a digit puts the word in place";
  EXPECT_EQ(engine.core().Composition(), u"Ich bin da");
  EXPECT_EQ(engine.core().Cursor(), 7);
  EXPECT_EQ(lexicon.learnedWords, std::vector<std::u16string>{u"bin"});
  EXPECT_FALSE(engine.Type(u"5").hasCommit) << "a digit for an empty place does nothing";
  EXPECT_EQ(engine.core().Composition(), u"Ich bin da");
  EXPECT_EQ(engine.Tap(vk::kReturn).committed, u"Ich bin da") << "Enter commits the sentence as typed";
}

TEST_F(ImeCoreCommit, PunctuationCommitsTheFirstCandidateOfThePageInFront) {
  engine.Type(u"nihao");
  engine.Tap(vk::kDown);
  const KeyOutcome comma = engine.Type(u",");
  EXPECT_EQ(comma.committed, u"你好，") << "the first candidate, not the highlighted one";
  EXPECT_TRUE(engine.core().Composition().empty());
  EXPECT_EQ(engine.Type(u",").committed, u"，") << "with no composition the mark alone";
  EXPECT_EQ(engine.Type(u"$").committed, u"￥");
  EXPECT_EQ(engine.Type(u"^").committed, u"……");
  EXPECT_EQ(engine.Type(u"\\").committed, u"、");
}

TEST_F(ImeCoreCommit, CurlyQuotesPairAcrossCompositions) {
  EXPECT_EQ(engine.Type(u"'").committed, u"‘");
  EXPECT_EQ(engine.Type(u"nihao'").committed, u"你好’");
  EXPECT_EQ(engine.Type(u"'").committed, u"‘");
  EXPECT_EQ(engine.Type(u"\"").committed, u"“");
  EXPECT_EQ(engine.Type(u"\"").committed, u"”");
  engine.SetConversion(kCmodeFullShape);
  EXPECT_EQ(engine.Type(u"'").committed, u"＇") << "full width alone leaves the pairing alone";
  engine.SetConversion(kCmodeSymbol);
  EXPECT_EQ(engine.Type(u"'").committed, u"’");
}

TEST_F(ImeCoreCommit, FullWidthAlone) {
  engine.SetConversion(kCmodeFullShape);
  EXPECT_EQ(engine.Type(u".").committed, u"．");
  EXPECT_EQ(engine.Type(u"5").committed, u"５");
  EXPECT_EQ(engine.Type(u"`").committed, u"`");
}

TEST_F(ImeCoreCommit, PunctuationAfterAPartialFirstCandidateKeepsTheConvertedSegments) {
  engine.Type(u"zhongguo");
  engine.Type(u"2");
  engine.Type(u"ren");
  EXPECT_EQ(engine.Type(u",").committed, u"中国，");
  EXPECT_TRUE(engine.core().Segments().empty());
  EXPECT_TRUE(engine.core().Composition().empty());
}

TEST_F(ImeCoreCommit, WithoutAResultBlockTheTextIsPasted) {
  auto* fields = engine.sim().FindContext(engine.context());
  engine.sim().DestroyBlock(fields->compositionString);
  fields->compositionString = nullptr;
  engine.Type(u"nihao");
  engine.sim().ClearEvents();
  const KeyOutcome space = engine.Type(u" ");
  EXPECT_EQ(space.messages.back(), kResult) << "the application is told all the same";
  std::vector<SimEvent> paste;
  for (const SimEvent& event : engine.sim().Events()) {
    if (event.kind == SimEvent::Kind::Clipboard || event.kind == SimEvent::Kind::KeyStroke) paste.push_back(event);
  }
  EXPECT_EQ(paste, (std::vector<SimEvent>{SimEvent::Clipboard(engine.app(), u"你好"), SimEvent::KeyStroke(0x11, false),
                                          SimEvent::KeyStroke(0x56, false), SimEvent::KeyStroke(0x56, true),
                                          SimEvent::KeyStroke(0x11, true)}));
}

TEST_F(ImeCoreCommit, ACommitLongerThanTheResultAreaIsCutAtACharacter) {
  std::u16string longText(254, u'x');
  longText += u"\U00020000";
  engine.core().Commit(engine.context(), longText, true);
  EXPECT_EQ(ResultString(), std::u16string(254, u'x')) << "the surrogate pair does not fit whole";
  engine.core().Commit(engine.context(), std::u16string(400, u'y'), true);
  EXPECT_EQ(ResultString(), std::u16string(255, u'y'));
}

TEST_F(ImeCoreCommit, TheSoftKeyboardTypesItsLayout) {
  engine.SetConversion(kCmodeSymbol | kCmodeSoftKbd);
  ASSERT_EQ(engine.settings().softkbdid, 13);
  EXPECT_EQ(engine.Type(u"1").committed, u"ä");
  EXPECT_EQ(engine.Type(u"!").committed, u"Ä");
  EXPECT_EQ(engine.Type(u"4$").committed, u"ßß");
  EXPECT_EQ(engine.Type(u"`").committed, u"€");
  const KeyOutcome five = engine.Type(u"5");
  EXPECT_TRUE(five.claimed);
  EXPECT_TRUE(five.hasCommit);
  EXPECT_EQ(five.committed, u"") << "a key without a character is swallowed";
  EXPECT_EQ(engine.Type(u"n").committed, u"n") << "no composition opens";

  engine.settings().softkbdid = 12;
  EXPECT_EQ(engine.Type(u"aA").committed, u"κΚ");
  EXPECT_EQ(engine.Type(u"7").committed, u"");

  engine.settings().softkbdid = 0;
  EXPECT_FALSE(engine.Type(u"n").hasCommit) << "layout 0 is only shown";
  EXPECT_EQ(engine.core().Composition(), u"n");
}

}  // namespace
}  // namespace kellavor::core
