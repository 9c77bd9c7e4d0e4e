#include "tools/dictbuild/open_data/german_words.h"

#include <gtest/gtest.h>

namespace kellavor::dictbuild {
namespace {

const GermanWord* Find(const std::vector<GermanWord>& words, std::u16string_view word) {
  for (const GermanWord& entry : words) {
    if (entry.word == word) return &entry;
  }
  return nullptr;
}

TEST(GermanWords, CountsHowOftenEachHeadwordOccurs) {
  GermanWordCollector collector;
  collector.AddHeadword(u"Hund", {"mine tub", "tub"});
  collector.AddHeadword(u"der", {"the"});
  collector.AddHeadword(u"Hund", {"dog", "tub"});
  collector.AddText("Hund {m} [min.]", "mine tub; tub");
  collector.AddText("Hund {m}", "dog");
  collector.AddText("der Hund des Nachbarn", "the neighbour's dog");
  collector.AddText("der Hund, der bellt", "the barking dog");
  collector.AddText("der Weg (hund)", "the way");
  collector.AddText("der Baum", "the tree");
  const std::vector<GermanWord> words = collector.TakeWords();
  ASSERT_EQ(words.size(), 2u);
  EXPECT_EQ(words[0].word, u"der") << "the most frequent word first";
  EXPECT_EQ(words[0].frequency, 5u);
  EXPECT_EQ(words[1].frequency, 4u) << "a word inside remarks does not count";

  const GermanWord* hund = Find(words, u"Hund");
  ASSERT_NE(hund, nullptr);
  ASSERT_EQ(hund->senses.size(), 3u);
  EXPECT_EQ(hund->senses[0].sense, "dog");
  EXPECT_EQ(hund->senses[0].weight, 3u);
  EXPECT_EQ(hund->senses[1].sense, "mine tub");
  EXPECT_EQ(hund->senses[2].sense, "tub");
}

TEST(GermanWords, GivesEveryWordAFrequencyAndMarksInfinitives) {
  GermanWordCollector collector;
  collector.AddHeadword(u"wässern", {"to water", "(Br.)"});
  EXPECT_TRUE(collector.Knows(u"wässern"));
  EXPECT_FALSE(collector.Knows(u"Wasser"));
  const std::vector<GermanWord> words = collector.TakeWords();
  ASSERT_EQ(words.size(), 1u);
  EXPECT_EQ(words[0].frequency, 1u);
  ASSERT_EQ(words[0].senses.size(), 1u) << "a sense that is only a remark is dropped";
  EXPECT_EQ(words[0].senses[0].sense, "water");
  EXPECT_TRUE(words[0].senses[0].verbal);
}

TEST(GermanWords, CountsUseInRunningTextFoldingSentenceStartsAndInflections) {
  GermanWordCollector collector;
  for (const char16_t* word : {u"grün", u"Grün", u"Essen", u"essen", u"Datei", u"und"}) collector.AddHeadword(word, {});
  collector.AddText("und", "");
  // Grün at a line start counts as the adjective, which is what the text uses elsewhere; grünen
  // and Dateien count for the words they inflect; the heading in capitals is not counted.
  collector.AddUsageText("BESCHREIBUNG\nGrün und grün. Die grünen Dateien und essen.\nEssen\n");
  const std::vector<GermanWord> words = collector.TakeWords();
  const auto frequency = [&](std::u16string_view word) { return Find(words, word)->frequency; };
  EXPECT_GT(frequency(u"grün"), frequency(u"Grün"));
  EXPECT_GT(frequency(u"essen"), frequency(u"Essen")) << "the start is shared as the text uses the two";
  EXPECT_GT(frequency(u"Datei"), 1u);
  EXPECT_EQ(Find(words, u"grün")->uses, 3.0);
}

TEST(GermanWords, TakesFrequentGermanFormsOfTheTextAsWords) {
  GermanWordCollector collector;
  collector.AddHeadword(u"heißen", {"to be called"});
  for (int i = 0; i < 3; ++i) collector.AddText("Es heißt so the end.", "It is called the end.");
  std::string used;
  for (int i = 0; i < 10; ++i) used += "das heißt the\n";
  collector.AddUsageText(used);
  const std::vector<GermanWord> words = collector.TakeWords();
  const GermanWord* heisst = Find(words, u"heißt");
  ASSERT_NE(heisst, nullptr) << "three times in the dictionaries' German text, ten times in use";
  EXPECT_TRUE(heisst->fromText);
  EXPECT_EQ(Find(words, u"the"), nullptr) << "as frequent in the English text: not German";
}

TEST(GermanWords, OrdersEqualFrequenciesByText) {
  GermanWordCollector collector;
  collector.AddHeadword(u"Baum", {"tree"});
  collector.AddHeadword(u"Ast", {"branch"});
  const std::vector<GermanWord> words = collector.TakeWords();
  ASSERT_EQ(words.size(), 2u);
  EXPECT_EQ(words[0].word, u"Ast");
}

}  // namespace
}  // namespace kellavor::dictbuild
