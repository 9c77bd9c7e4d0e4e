#include "ime/lexicon/date_templates.h"

#include <gtest/gtest.h>

namespace kellavor::lexicon {
namespace {

std::u16string Expand(std::u16string_view text, uint16_t year, uint16_t hour) {
  platform::LocalTime time;  // Tuesday, 4 March, hour:05:07
  time.year = year;
  time.month = 3;
  time.day = 4;
  time.dayOfWeek = 2;
  time.hour = hour;
  time.minute = 5;
  time.second = 7;
  return ExpandDateTemplates(text, ComputeDateTemplateValues(time));
}

TEST(DateTemplates, ArabicAndChineseValues) {
  EXPECT_EQ(Expand(u"@day.@month.@year @fullhour:@minute:@second @weekday", 2014, 9), u"4.3.2014 09:05:07 2");
  EXPECT_EQ(Expand(u"@year_cn年@month_cn月@day_cn日 星期@weekday_cn", 2014, 9), u"二○一四年三月四日 星期二");
  EXPECT_EQ(Expand(u"@fullhour_cn点@minute_cn分@second_cn秒", 2014, 9), u"零九点零五分零七秒");
  EXPECT_EQ(Expand(u"@year_yy @year_yy_cn", 2005, 9), u"05 ○五");
}

TEST(DateTemplates, LongestNameWinsWhereNamesOverlap) {
  EXPECT_EQ(Expand(u"@year_yy|@year|@month_cn|@month", 2014, 9), u"14|2014|三|3");
  EXPECT_EQ(Expand(u"@year_yy_cn|@year_cn|@weekday@day|@weekday_cn@day_cn", 2014, 9), u"一四|二○一四|24|二四");
}

TEST(DateTemplates, HalfHourAndAmPmAroundTheClock) {
  const std::pair<uint16_t, const char16_t*> cases[] = {
      {0, u"00 AM 上午 零"}, {11, u"11 AM 上午 十一"}, {12, u"12 PM 下午 十二"}, {13, u"01 PM 下午 零一"},
  };
  for (const auto& [hour, expected] : cases) {
    EXPECT_EQ(Expand(u"@halfhour @ampm @ampm_cn @halfhour_cn", 2014, hour), expected) << "hour " << hour;
  }
}

TEST(DateTemplates, AnAtSignWithoutTemplateIsKept) {
  EXPECT_EQ(Expand(u"info@example.org @ @yesterday@", 2014, 9), u"info@example.org @ @yesterday@");
}

}  // namespace
}  // namespace kellavor::lexicon
