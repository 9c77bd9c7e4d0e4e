#include "tools/dictbuild/open_data/freedict_source.h"

#include <gtest/gtest.h>

namespace kellavor::dictbuild {
namespace {

TEST(FreeDictSource, ReadsHeadwordSensesAndExamples) {
  const FreeDictArticle article = ParseFreeDictArticle(
      "Katze /kˈatsə/ <fem, n, sg>\n"
      " [zool.] cat <n>, puss <n> [coll.]\n"
      "         Note: domestic animal\n"
      "      \"Die Katze schläft.\"  - The cat is asleep.\n"
      "      \"eine Katze füttern\"  - feed a cat\n"
      "   Synonym: {Mieze}\n"
      "\n"
      " see: {Katzen}\n");
  EXPECT_EQ(article.headword, "Katze");
  EXPECT_TRUE(article.singleWord);
  EXPECT_EQ(article.senses, (std::vector<std::string>{"[zool.] cat <n>", "puss <n> [coll.]"}));
  ASSERT_EQ(article.examples.size(), 2u);
  EXPECT_EQ(article.examples[0].german, "Die Katze schläft.");
  EXPECT_EQ(article.examples[0].english, "The cat is asleep.");
  EXPECT_EQ(article.examples[1].german, "eine Katze füttern");
}

TEST(FreeDictSource, TellsPhrasesAndArticlesWithoutPronunciation) {
  const FreeDictArticle phrase = ParseFreeDictArticle("nach Hause gehen /naːx/\ngo home\n");
  EXPECT_EQ(phrase.headword, "nach Hause gehen");
  EXPECT_FALSE(phrase.singleWord);
  const FreeDictArticle bare = ParseFreeDictArticle("Haus… <adj>\ndomestic <adj>, household <adj>\n");
  EXPECT_EQ(bare.headword, "Haus…");
  EXPECT_FALSE(bare.singleWord);
  EXPECT_EQ(bare.senses.size(), 2u);
}

TEST(FreeDictSource, IgnoresLinesThatOnlyLookLikeExamples) {
  const FreeDictArticle article = ParseFreeDictArticle(
      "Wort /vɔɾt/\nword\n      \"unclosed  - x\n      \"\"  - empty\n      \"ein Wort\" - one space\n");
  EXPECT_TRUE(article.examples.empty());
}

}  // namespace
}  // namespace kellavor::dictbuild
