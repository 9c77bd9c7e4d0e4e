#include "ime/lexicon/chinese_numerals.h"

#include <gtest/gtest.h>

namespace kellavor::lexicon {
namespace {

TEST(ChineseNumerals, NumbersWithPlaceWords) {
  const std::pair<const char16_t*, const char16_t*> cases[] = {
      {u"5", u"五"},   {u"10", u"十"},     {u"12", u"十二"}, {u"20", u"二十"},         {u"23", u"二十三"},
      {u"08", u"零八"}, {u"00", u"零"},     {u"30", u"三十"}, {u"2014", u"二千零一十四"}, {u"0", u""},
      {u"", u""},      {u"123456", u""},   {u"1a", u""},
  };
  for (const auto& [digits, chinese] : cases) EXPECT_EQ(NumberToChinese(digits), chinese);
  EXPECT_EQ(NumberToChinese(u"7", true), u"零七");
  EXPECT_EQ(NumberToChinese(u"07", true), u"零七");
}

TEST(ChineseNumerals, DigitsReadOutOneByOne) {
  EXPECT_EQ(DigitsToChinese(u"2014"), u"二○一四");
  EXPECT_EQ(DigitsToChinese(u"05"), u"○五");
}

}  // namespace
}  // namespace kellavor::lexicon
