#include "ime/lexicon/date_templates.h"

#include <cstdio>

#include "ime/base/text_replace.h"
#include "ime/lexicon/chinese_numerals.h"
#include "ime/platform/utf.h"

namespace kellavor::lexicon {
namespace {

std::u16string Decimal(unsigned value) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%u", value);
  return platform::AsciiToUtf16(digits);
}

std::u16string TwoDigits(unsigned value) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%02u", value);
  return platform::AsciiToUtf16(digits);
}

constexpr char16_t kWeekdayWords[] = u"日一二三四五六";

}  // namespace

DateTemplateValues ComputeDateTemplateValues(const platform::LocalTime& time) {
  const bool morning = time.hour < 12;
  const std::u16string year = Decimal(time.year);
  const std::u16string yearYy = TwoDigits(time.year % 100u);
  const std::u16string month = Decimal(time.month);
  const std::u16string day = Decimal(time.day);
  const std::u16string fullHour = TwoDigits(time.hour);
  const std::u16string halfHour = TwoDigits(time.hour > 12 ? time.hour - 12u : time.hour);
  const std::u16string minute = TwoDigits(time.minute);
  const std::u16string second = TwoDigits(time.second);
  return {{
      {u"@year_cn", DigitsToChinese(year)},
      {u"@year_yy_cn", DigitsToChinese(yearYy)},
      {u"@month_cn", NumberToChinese(month)},
      {u"@day_cn", NumberToChinese(day)},
      {u"@weekday_cn", std::u16string(1, kWeekdayWords[time.dayOfWeek % 7u])},
      {u"@fullhour_cn", NumberToChinese(fullHour)},
      {u"@halfhour_cn", NumberToChinese(halfHour)},
      {u"@ampm_cn", morning ? u"上午" : u"下午"},
      {u"@minute_cn", NumberToChinese(minute, true)},
      {u"@second_cn", NumberToChinese(second, true)},
      {u"@year_yy", yearYy},
      {u"@year", year},
      {u"@month", month},
      {u"@day", day},
      {u"@weekday", Decimal(time.dayOfWeek)},
      {u"@fullhour", fullHour},
      {u"@halfhour", halfHour},
      {u"@ampm", morning ? u"AM" : u"PM"},
      {u"@minute", minute},
      {u"@second", second},
  }};
}

std::u16string ExpandDateTemplates(std::u16string_view text, const DateTemplateValues& values) {
  std::u16string expanded(text);
  for (const DateTemplate& entry : values) {
    if (std::optional<std::u16string> replaced = base::ReplaceAll(expanded, entry.name, entry.value)) {
      expanded = std::move(*replaced);
    }
  }
  return expanded;
}

}  // namespace kellavor::lexicon
