#include "tools/dictbuild/open_data/english_sense.h"

#include <gtest/gtest.h>

namespace kellavor::dictbuild {
namespace {

TEST(EnglishSense, NormalisesBothDictionariesToOneForm) {
  EXPECT_EQ(NormaliseSense("to have {had; had}"), "have");
  EXPECT_EQ(NormaliseSense("To Have"), "have");
  EXPECT_EQ(NormaliseSense("the (natural) predator [zool.]"), "predator");
  EXPECT_EQ(NormaliseSense("a dog <n>"), "dog");
  EXPECT_EQ(NormaliseSense("to possess sth. [formal]"), "possess");
  EXPECT_EQ(NormaliseSense("walk-up [Am.]"), "walk-up");
  EXPECT_EQ(NormaliseSense("  mine   car, "), "mine car");
  EXPECT_EQ(NormaliseSense("'quoted'"), "quoted");
  EXPECT_EQ(NormaliseSense("the"), "the") << "a lone article stays a word";
  EXPECT_EQ(NormaliseSense("month /mo./ /mth/"), "month") << "abbreviations between slashes go";
  EXPECT_EQ(NormaliseSense("he/she buys"), "he she buys");
  EXPECT_TRUE(IsProperSense("Germany"));
  EXPECT_TRUE(IsProperSense("(the) Alps"));
  EXPECT_FALSE(IsProperSense("china; porcelain"));
  EXPECT_FALSE(IsProperSense("I see"));
  EXPECT_EQ(NormaliseSense("(Br.)"), "");
  EXPECT_EQ(NormaliseSense("café"), "café");
  EXPECT_EQ(NormaliseSense("((unbalanced) house"), "");
}

TEST(EnglishSense, SplitsOnlyOutsideBrackets) {
  EXPECT_EQ(SplitOutsideBrackets("to go {went; gone}; to walk (a; b); x", ';'),
            (std::vector<std::string_view>{"to go {went; gone}", " to walk (a; b)", " x"}));
  EXPECT_EQ(SplitOutsideBrackets("", ';'), (std::vector<std::string_view>{""}));
}

TEST(EnglishSense, TellsInfinitives) {
  EXPECT_TRUE(IsVerbalSense("to water"));
  EXPECT_TRUE(IsVerbalSense("  (to) be convinced"));
  EXPECT_FALSE(IsVerbalSense("water"));
  EXPECT_FALSE(IsVerbalSense("to"));
  EXPECT_FALSE(IsVerbalSense("toast"));
}

TEST(EnglishSense, FindsSensesAsWholeWords) {
  const std::string text = NormaliseEnglishText("Let sleeping dogs lie (proverb); a hot-dog [cook.]");
  EXPECT_EQ(text, " let sleeping dogs lie a hot-dog ");
  EXPECT_NE(text.find(" sleeping dogs "), std::string::npos);
}

TEST(EnglishSense, MakesTheLastWordSingular) {
  EXPECT_EQ(SingularSense("houses"), "house");
  EXPECT_EQ(SingularSense("mine cars"), "mine car");
  EXPECT_EQ(SingularSense("cities"), "city");
  EXPECT_EQ(SingularSense("boxes"), "box");
  EXPECT_EQ(SingularSense("churches"), "church");
  EXPECT_EQ(SingularSense("glass"), "");
  EXPECT_EQ(SingularSense("status"), "");
  EXPECT_EQ(SingularSense("dog"), "");
  EXPECT_EQ(SingularSense("is"), "");
}

}  // namespace
}  // namespace kellavor::dictbuild
