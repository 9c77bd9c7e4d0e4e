// Numbers written in Chinese numerals, for the date and time templates of custom phrases.
#pragma once

#include <string>
#include <string_view>

namespace kellavor::lexicon {

// A number given as 1 to 5 decimal digits, written with the digits 零一二三四五六七八九 and the
// place words 十 百 千 万: 5 五, 10 十, 12 十二, 20 二十, 23 二十三, 08 零八, 00 零, 30 三十.
// A zero digit is written as 零 except in the last place, a one is left out before 十 in a
// two-digit number, and zeroWord puts 零 in front of a single digit (7 零七). Anything but 1 to
// 5 ASCII digits gives an empty text.
std::u16string NumberToChinese(std::u16string_view digits, bool zeroWord = false);

// Each ASCII digit replaced by ○一二三四五六七八九 (zero is ○), as years are read out digit by
// digit: 2014 二○一四. Other units are kept.
std::u16string DigitsToChinese(std::u16string_view digits);

}  // namespace kellavor::lexicon
