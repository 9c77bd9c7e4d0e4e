#include "tools/dictbuild/open_data/pinyin_simp_source.h"

#include <gtest/gtest.h>

namespace kellavor::dictbuild {
namespace {

TEST(PinyinSimpSource, ReadsEntriesAfterTheHeader) {
  const PinyinDictionary dictionary = ParsePinyinDictionary(
      "# comment\n"
      "---\n"
      "name: sample\n"
      "...\n"
      "\n"
      "你\tni\t500\n"
      "好\thao\n"
      "# a comment between entries\n"
      "你好\tni hao\t70\r\n"
      "\xF0\xA0\x80\x80\tqi\t3\n");
  ASSERT_EQ(dictionary.lines.size(), 4u);
  EXPECT_EQ(dictionary.rejectedLines, 0u);
  EXPECT_EQ(dictionary.lines[0].text, U"你");
  EXPECT_EQ(dictionary.lines[0].syllables, std::vector<std::string>{"ni"});
  EXPECT_EQ(dictionary.lines[0].weight, 500u);
  EXPECT_FALSE(dictionary.lines[1].weight.has_value());
  EXPECT_EQ(dictionary.lines[2].text, U"你好");
  EXPECT_EQ(dictionary.lines[2].syllables, (std::vector<std::string>{"ni", "hao"}));
  EXPECT_EQ(dictionary.lines[2].weight, 70u);
  EXPECT_EQ(dictionary.lines[3].text, std::u32string(1, char32_t{0x20000}));
}

TEST(PinyinSimpSource, RejectsMalformedLines) {
  const PinyinDictionary dictionary = ParsePinyinDictionary(
      "你好\tni\t1\n"          // fewer syllables than characters
      "你\tNi\t1\n"            // not lower case
      "你\tni\tmany\n"         // weight not a number
      "你\tnihaoma\t1\n"       // longer than any syllable
      "你\n"                   // no reading
      "好\thao\t2\n");
  ASSERT_EQ(dictionary.lines.size(), 1u);
  EXPECT_EQ(dictionary.lines[0].text, U"好");
  EXPECT_EQ(dictionary.rejectedLines, 5u);
}

TEST(PinyinSimpSource, ScalesCharacterWeightsIntoSixteenBitsKeepingTheirOrder) {
  EXPECT_EQ(ScaleCharacterWeight(1234, 60000), 1234u);
  const uint32_t largest = 4'800'000;
  EXPECT_EQ(ScaleCharacterWeight(largest, largest), 0xFFFFu);
  EXPECT_EQ(ScaleCharacterWeight(0, largest), 0u);
  uint32_t previous = 0;
  for (const uint32_t weight : {1u, 2u, 10u, 100u, 5000u, 1'000'000u}) {
    const uint32_t scaled = ScaleCharacterWeight(weight, largest);
    EXPECT_GT(scaled, previous) << weight;
    previous = scaled;
  }
}

}  // namespace
}  // namespace kellavor::dictbuild
