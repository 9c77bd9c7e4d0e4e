#include "ime/lexicon/chinese_numerals.h"

#include <algorithm>

namespace kellavor::lexicon {
namespace {

constexpr char16_t kDigitWords[] = u"零一二三四五六七八九";
constexpr char16_t kReadOutDigits[] = u"○一二三四五六七八九";
// The place word of a digit that stands `fromEnd` places before the last one (index 0 unused).
constexpr char16_t kPlaceWords[] = u"\0十百千万";
constexpr size_t kMaxDigits = 5;

bool IsDigit(char16_t unit) { return unit >= u'0' && unit <= u'9'; }

}  // namespace

std::u16string NumberToChinese(std::u16string_view digits, bool zeroWord) {
  const size_t length = digits.size();
  if (length == 0 || length > kMaxDigits || !std::all_of(digits.begin(), digits.end(), IsDigit)) return {};
  std::u16string chinese;
  if (zeroWord && length == 1) chinese += kDigitWords[0];
  for (size_t i = 0; i < length; ++i) {
    const int digit = digits[i] - u'0';
    const size_t fromEnd = length - 1 - i;
    const bool zeroInLastPlace = digit == 0 && fromEnd == 0;
    const bool oneBeforeTen = digit == 1 && i == 0 && length == 2;
    if (!zeroInLastPlace && !oneBeforeTen) chinese += kDigitWords[digit];
    if (digit != 0 && fromEnd > 0) chinese += kPlaceWords[fromEnd];
  }
  return chinese;
}

std::u16string DigitsToChinese(std::u16string_view digits) {
  std::u16string chinese(digits);
  for (char16_t& unit : chinese) {
    if (IsDigit(unit)) unit = kReadOutDigits[unit - u'0'];
  }
  return chinese;
}

}  // namespace kellavor::lexicon
