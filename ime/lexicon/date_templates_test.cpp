#include "ime/lexicon/date_templates.h"

#include <gtest/gtest.h>

namespace kellavor::lexicon {
namespace {

platform::LocalTime At(uint16_t year, uint16_t month, uint16_t day, uint16_t dayOfWeek, uint16_t hour,
                       uint16_t minute, uint16_t second) {
  platform::LocalTime time;
  time.year = year;
  time.month = month;
  time.day = day;
  time.dayOfWeek = dayOfWeek;
  time.hour = hour;
  time.minute = minute;
  time.second = second;
  return time;
}

std::u16string Expand(std::u16string_view text, const platform::LocalTime& time) {
  return ExpandDateTemplates(text, ComputeDateTemplateValues(time));
}

// Tuesday, 4 March 2014, 09:05:07.
const platform::LocalTime kMorning = At(2014, 3, 4, 2, 9, 5, 7);

TEST(DateTemplates, ArabicValues) {
  EXPECT_EQ(Expand(u"@day.@month.@year @fullhour:@minute:@second", kMorning), u"4.3.2014 09:05:07");
  EXPECT_EQ(Expand(u"@weekday @halfhour@ampm", kMorning), u"2 09AM");
  EXPECT_EQ(Expand(u"@year_yy", At(2005, 1, 1, 6, 0, 0, 0)), u"05");
}

TEST(DateTemplates, ChineseValues) {
  EXPECT_EQ(Expand(u"@year_cn年@month_cn月@day_cn日 星期@weekday_cn", kMorning), u"二○一四年三月四日 星期二");
  EXPECT_EQ(Expand(u"@year_yy_cn", At(2005, 1, 1, 6, 0, 0, 0)), u"○五");
  EXPECT_EQ(Expand(u"@ampm_cn@halfhour_cn点@minute_cn分@second_cn秒", kMorning), u"上午零九点零五分零七秒");
  EXPECT_EQ(Expand(u"@fullhour_cn:@minute_cn", At(2014, 12, 31, 0, 23, 30, 0)), u"二十三:三十");
  EXPECT_EQ(Expand(u"@month_cn@day_cn@weekday_cn", At(2014, 12, 31, 0, 0, 0, 0)), u"十二三十一日");
}

TEST(DateTemplates, LongestNameWinsWhereNamesOverlap) {
  EXPECT_EQ(Expand(u"@year_yy|@year", kMorning), u"14|2014");
  EXPECT_EQ(Expand(u"@month_cn|@month", kMorning), u"三|3");
  EXPECT_EQ(Expand(u"@year_yy_cn|@year_cn", kMorning), u"一四|二○一四");
  EXPECT_EQ(Expand(u"@day@weekday@weekday_cn@day_cn", kMorning), u"42二四");
}

TEST(DateTemplates, HalfHourAndAmPmAroundTheClock) {
  const struct {
    uint16_t hour;
    const char16_t* expected;
  } cases[] = {
      {0, u"00 AM 上午 零"},  {11, u"11 AM 上午 十一"}, {12, u"12 PM 下午 十二"},
      {13, u"01 PM 下午 零一"}, {23, u"11 PM 下午 十一"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Expand(u"@halfhour @ampm @ampm_cn @halfhour_cn", At(2014, 3, 4, 2, c.hour, 0, 0)), c.expected)
        << "hour " << c.hour;
  }
}

TEST(DateTemplates, TextWithoutTemplatesIsKept) {
  EXPECT_EQ(Expand(u"mail@example.org @ @yesterday @", kMorning), u"mail@example.org @ @yesterday @");
  EXPECT_EQ(Expand(u"@yearly", kMorning), u"2014ly");
}

}  // namespace
}  // namespace kellavor::lexicon
