#include "ime/lexicon/chinese_numerals.h"

#include <gtest/gtest.h>

namespace kellavor::lexicon {
namespace {

TEST(ChineseNumerals, WritesNumbersWithPlaceWords) {
  EXPECT_EQ(NumberToChinese(u"5"), u"五");
  EXPECT_EQ(NumberToChinese(u"10"), u"十");
  EXPECT_EQ(NumberToChinese(u"12"), u"十二");
  EXPECT_EQ(NumberToChinese(u"20"), u"二十");
  EXPECT_EQ(NumberToChinese(u"23"), u"二十三");
  EXPECT_EQ(NumberToChinese(u"08"), u"零八");
  EXPECT_EQ(NumberToChinese(u"00"), u"零");
  EXPECT_EQ(NumberToChinese(u"30"), u"三十");
  EXPECT_EQ(NumberToChinese(u"0"), u"");
  EXPECT_EQ(NumberToChinese(u"2014"), u"二千零一十四");
  EXPECT_EQ(NumberToChinese(u"31245"), u"三万一千二百四十五");
}

TEST(ChineseNumerals, ZeroWordGoesOnlyBeforeASingleDigit) {
  EXPECT_EQ(NumberToChinese(u"7", true), u"零七");
  EXPECT_EQ(NumberToChinese(u"07", true), u"零七");
  EXPECT_EQ(NumberToChinese(u"45", true), u"四十五");
}

TEST(ChineseNumerals, AnythingButOneToFiveDigitsGivesNothing) {
  EXPECT_EQ(NumberToChinese(u""), u"");
  EXPECT_EQ(NumberToChinese(u"123456"), u"");
  EXPECT_EQ(NumberToChinese(u"1a"), u"");
  EXPECT_EQ(NumberToChinese(u"-5"), u"");
}

TEST(ChineseNumerals, ReadsOutDigitsOneByOne) {
  EXPECT_EQ(DigitsToChinese(u"2014"), u"二○一四");
  EXPECT_EQ(DigitsToChinese(u"05"), u"○五");
  EXPECT_EQ(DigitsToChinese(u"1987"), u"一九八七");
}

}  // namespace
}  // namespace kellavor::lexicon
