#include "ime/lexicon/reading_format.h"

#include <gtest/gtest.h>

#include <vector>

namespace kellavor::lexicon {
namespace {

class ReadingFormat : public ::testing::Test {
 protected:
  std::vector<uint16_t> Codes(std::initializer_list<std::u16string_view> syllables) const {
    std::vector<uint16_t> codes;
    for (const std::u16string_view syllable : syllables) codes.push_back(*table_.Find(syllable));
    return codes;
  }

  const SyllableTable table_{EncodeSyllableTable(ShippedSyllables())};
};

TEST_F(ReadingFormat, GroupsTheTypedLettersBySyllable) {
  std::u16string out = u"中";
  EXPECT_EQ(FormatReading(table_, {}, Codes({u"zhong", u"guo"}), u"zhg", out), 2u);
  EXPECT_EQ(out, u"中zh'g'");

  out.clear();
  EXPECT_EQ(FormatReading(table_, {}, Codes({u"zhong", u"guo", u"ren"}), u"zhongguo", out), 2u);
  EXPECT_EQ(out, u"zhong'guo'") << "a syllable that finds no letters gets no separator";

  out.clear();
  EXPECT_EQ(FormatReading(table_, {}, Codes({u"xi", u"an"}), u"xianr", out), 2u);
  EXPECT_EQ(out, u"xi'an'") << "letters the codes do not cover are the caller's";

  out.clear();
  EXPECT_EQ(FormatReading(table_, {}, {}, u"zhong", out), 0u);
  EXPECT_EQ(FormatReading(table_, {}, Codes({u"zhong"}), u"", out), 0u);
  EXPECT_EQ(out, u"");
}

TEST_F(ReadingFormat, ShowsFuzzySoundsAsTyped) {
  const std::vector<FuzzyPair> pairs{*ParseFuzzyPair(u"z,zh"), *ParseFuzzyPair(u"an,ang")};
  std::u16string out;
  EXPECT_EQ(FormatReading(table_, pairs, Codes({u"zhong", u"guo"}), u"zongguo", out), 2u);
  EXPECT_EQ(out, u"zong'guo'");
  out.clear();
  EXPECT_EQ(FormatReading(table_, pairs, Codes({u"zang", u"fan"}), u"zhanfang", out), 2u);
  EXPECT_EQ(out, u"zhan'fang'");
}

}  // namespace
}  // namespace kellavor::lexicon
