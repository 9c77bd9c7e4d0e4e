#include "tools/dictbuild/open_data/unihan_source.h"

#include <gtest/gtest.h>

namespace kellavor::dictbuild {
namespace {

// 啊 is a first-level GB 2312 character, 亍 a second-level one, 㑇 only in the General Standard
// list, 丂 in no set; U+20000 lies outside the basic plane.
constexpr std::string_view kOtherMappings =
    "# Unihan_OtherMappings.txt\n"
    "U+554A\tkGB0\t1601\n"
    "U+554A\tkTGH\t2013:1\n"
    "U+554A\tkBigFive\tB0DA\n"
    "U+4E8D\tkGB0\t5601\n"
    "U+4E8D\tkTGH\t2013:3000\n"
    "U+3447\tkTGH\t2013:6602\n"
    "U+20000\tkTGH\t2013:8000\n"
    "U+4E02\tkGB1\t1234\n"
    "U+4E00\tkGB0\t12x4\n";

TEST(UnihanSource, NestsTheCharacterSets) {
  const CharacterClasses classes = CharacterClasses::Parse(kOtherMappings);
  EXPECT_EQ(classes.ClassOf(U'啊'), 15);
  EXPECT_EQ(classes.ClassOf(U'亍'), 14);
  EXPECT_EQ(classes.ClassOf(char32_t{0x3447}), 12);
  EXPECT_EQ(classes.ClassOf(char32_t{0x20000}), 12);
  EXPECT_EQ(classes.ClassOf(U'丂'), 8);
  EXPECT_EQ(classes.ClassOf(U'一'), 8) << "a malformed row and cell is no membership";
}

TEST(UnihanSource, GivesAPhraseTheSetsHoldingAllItsCharacters) {
  const CharacterClasses classes = CharacterClasses::Parse(kOtherMappings);
  EXPECT_EQ(classes.ClassOf(U"啊啊"), 15);
  EXPECT_EQ(classes.ClassOf(U"啊亍"), 14);
  EXPECT_EQ(classes.ClassOf(std::u32string(U"啊") + char32_t{0x3447}), 12);
  EXPECT_EQ(classes.ClassOf(U"亍丂"), 8);
}

TEST(UnihanSource, KeepsOnlyUnambiguousTraditionalVariants) {
  const std::vector<TraditionalPair> pairs = ParseTraditionalTable(
      "U+8BED\tkTraditionalVariant\tU+8A9E\n"          // 语 -> 語
      "U+56FD\tkTraditionalVariant\tU+570B\n"          // 国 -> 國, listed out of order
      "U+56FD\tkSimplifiedVariant\tU+56FD\n"
      "U+540E\tkTraditionalVariant\tU+540E U+5F8C\n"   // 后 keeps its form in some words
      "U+53D1\tkTraditionalVariant\tU+767C U+9AEE\n"   // 发 has two traditional forms
      "U+9762\tkTraditionalVariant\tU+9762\n"          // a character mapped to itself
      "U+4E2A\tkTraditionalVariant\tU+20000\n"         // a variant outside the basic plane
      "U+20001\tkTraditionalVariant\tU+4E2A\n"         // a character outside the basic plane
      "U+8BED\tkTraditionalVariant\tU+8A9F\n");        // a second line for 语
  ASSERT_EQ(pairs.size(), 2u);
  EXPECT_EQ(pairs[0].simplified, u'国');
  EXPECT_EQ(pairs[0].traditional, u'國');
  EXPECT_EQ(pairs[1].simplified, u'语');
  EXPECT_EQ(pairs[1].traditional, u'語');
}

}  // namespace
}  // namespace kellavor::dictbuild
