// The date and time templates of custom phrase texts ("@year", "@weekday_cn" ...), each replaced
// by its value at one moment.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "ime/platform/local_time.h"

namespace kellavor::lexicon {

struct DateTemplate {
  std::u16string_view name;
  std::u16string value;
};

inline constexpr size_t kDateTemplateCount = 20;
using DateTemplateValues = std::array<DateTemplate, kDateTemplateCount>;

// Every template with its value at `time`, in the order they are replaced: the Chinese forms
// first and "@year_yy" before "@year", so that no name is read as a shorter one followed by the
// rest of it. Arabic values: year, month, day and weekday (0 Sunday) as they are; year modulo 100,
// hours, minutes and seconds with two digits; "@halfhour" takes 12 off the hours after noon (00 at
// midnight, 12 at noon, 01 at one o'clock); "@ampm" is AM before noon. Chinese values: the year
// digit by digit (二○一四), the weekday as one of 日一二三四五六, 上午 or 下午, the others as
// numbers (NumberToChinese).
DateTemplateValues ComputeDateTemplateValues(const platform::LocalTime& time);

// The text with every occurrence of every template replaced, in the order of `values`, each step
// working on the result of the one before. An "@" that starts no template stays as it is.
std::u16string ExpandDateTemplates(std::u16string_view text, const DateTemplateValues& values);

}  // namespace kellavor::lexicon
