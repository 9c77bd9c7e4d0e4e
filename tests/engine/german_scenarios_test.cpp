// German typing on the fixture dictionaries: words with their hints, the select and commit keys,
// sentence input, custom phrases, learning and the word-detail document.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/engine/fixture_engine.h"

namespace kellavor::core {

namespace vk = platform::vk;

namespace {

std::vector<std::u16string> PageTexts(const InputPanel& panel) {
  std::vector<std::u16string> texts;
  for (const PanelEntry& entry : panel.Entries()) texts.push_back(entry.text);
  return texts;
}

void German(EngineHarness& engine) {
  engine.Tap(vk::kShift);
  ASSERT_EQ(engine.settings().inputmode, kGermanMode);
}

TEST(GermanScenarios, AWordIsTakenWithSpaceAndFollowedByABlank) {
  EngineHarness engine(FixtureEngine("GermanWord"));
  German(engine);
  engine.Type(u"haus");
  ASSERT_FALSE(engine.panel().Entries().empty());
  EXPECT_EQ(engine.panel().Entries()[0].text, u"Haus");
  EXPECT_EQ(engine.Type(u" ").committed, u"Haus ");
  engine.Type(u"haus");
  EXPECT_EQ(engine.Tap(vk::kReturn).committed, u"haus") << "Enter commits the letters as typed";
}

TEST(GermanScenarios, TheVerticalListShowsTheFirstGlossAsHint) {
  EngineHarness engine(FixtureEngine("GermanHints"), [](settings::ImeSettings& settings) {
    settings.showmode = 1;
  });
  German(engine);
  engine.Type(u"compu");
  ASSERT_FALSE(engine.panel().Entries().empty());
  EXPECT_EQ(engine.panel().Entries()[0].text, u"Computer");
  EXPECT_EQ(engine.panel().Entries()[0].hint, std::optional<std::u16string>(u"电脑"));
}

TEST(GermanScenarios, UmlautsAreTypedAsPlainLettersAndADigitSelects) {
  EngineHarness engine(FixtureEngine("GermanDigit"));
  German(engine);
  engine.Type(u"mad");
  const std::vector<std::u16string> page = PageTexts(engine.panel());
  const auto girl = std::find(page.begin(), page.end(), u"Mädchen");
  ASSERT_NE(girl, page.end());
  EXPECT_EQ(engine.Type(std::u16string(1, static_cast<char16_t>(u'1' + (girl - page.begin())))).committed,
            u"Mädchen ");
}

TEST(GermanScenarios, ALearnedWordComesFirst) {
  EngineHarness engine(FixtureEngine("GermanLearning"));
  German(engine);
  engine.Type(u"ma");
  const std::vector<std::u16string> before = PageTexts(engine.panel());
  ASSERT_GE(before.size(), 3u);
  const std::u16string chosen = before.back();
  EXPECT_EQ(engine.Type(std::u16string(1, static_cast<char16_t>(u'0' + before.size()))).committed, chosen + u" ");
  engine.Type(u"ma");
  ASSERT_FALSE(engine.panel().Entries().empty());
  EXPECT_EQ(engine.panel().Entries()[0].text, chosen);
}

TEST(GermanScenarios, CustomPhrasesJoinTheList) {
  EngineHarness engine(FixtureEngine("GermanCustom", "mfg=1,Mit freundlichen Grüßen\n"));
  German(engine);
  engine.Type(u"mfg");
  ASSERT_FALSE(engine.panel().Entries().empty());
  EXPECT_EQ(engine.panel().Entries()[0].text, u"Mit freundlichen Grüßen");
  EXPECT_EQ(engine.Type(u" ").committed, u"Mit freundlichen Grüßen ");
}

TEST(GermanScenarios, SentenceInputPutsWordsInPlace) {
  EngineHarness engine(FixtureEngine("GermanSentence"), [](settings::ImeSettings& settings) {
    settings.sentence_en = 1;
  });
  German(engine);
  engine.Type(u"der hund");
  EXPECT_EQ(engine.core().SearchKey(), u"hund");
  engine.Type(u"1");
  EXPECT_EQ(engine.core().Composition(), u"der Hund");
  EXPECT_EQ(engine.Type(u" heute.").committed, u"");
  EXPECT_EQ(engine.Type(u" ").committed, u"der Hund heute. ") << "Space behind the sentence end commits it";
}

TEST(GermanScenarios, SentenceInputLearnsOnlyAWordThatFits) {
  EngineHarness engine(FixtureEngine("GermanSentenceFull"), [](settings::ImeSettings& settings) {
    settings.sentence_en = 1;
  });
  German(engine);
  std::u16string full;
  for (int i = 0; i < 15; ++i) full += u"der ";
  full += u"x ma";  // 64 units, the most a composition holds
  engine.Type(full);
  ASSERT_EQ(engine.core().Composition(), full);
  const std::vector<std::u16string> page = PageTexts(engine.panel());
  ASSERT_EQ(page.size(), 5u);
  ASSERT_EQ(page[4], u"Made");
  engine.Type(u"5");
  EXPECT_EQ(engine.core().Composition(), full) << "Made does not fit in place of ma";
  engine.Tap(vk::kEscape);
  engine.Type(u"ma");
  ASSERT_FALSE(engine.panel().Entries().empty());
  EXPECT_EQ(engine.panel().Entries()[0].text, u"machen") << "the word that was not put in place is not learned";
}

TEST(GermanScenarios, TheDetailDocumentNamesTheHighlightedWordAndTheSentence) {
  EngineHarness engine(FixtureEngine("GermanDetail"));
  German(engine);
  engine.Type(u"strasse");
  EXPECT_EQ(engine.panel().PendingDetail(), "<cfg><word>Stra%c3%9fe</word><sentence></sentence></cfg>");
  EXPECT_EQ(engine.panel().DetailTarget(), engine.windows().composition());
  engine.Type(u"qq");
  EXPECT_EQ(engine.panel().PendingDetail(), "") << "no candidates: the viewer is hidden";
  EXPECT_EQ(engine.panel().DetailTarget(), nullptr);

  engine.Tap(vk::kEscape);
  engine.settings().sentence_en = 1;
  engine.Type(u"ich bin");
  const std::string& document = engine.panel().PendingDetail();
  EXPECT_NE(document.find("<sentence>ich%20bin</sentence>"), std::string::npos) << document;
}

}  // namespace
}  // namespace kellavor::core
