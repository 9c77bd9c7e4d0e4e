#include "ime/lexicon/user_index_order.h"

#include <algorithm>

namespace kellavor::lexicon {
namespace {

// Single characters, German words, Chinese phrases, records that failed their checks.
int Category(const UserRecord& record) {
  if (!record) return 3;
  if (record.isSingleChar()) return 0;
  return record.isGermanWord() ? 1 : 2;
}

template <typename T>
int ThreeWay(T a, T b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

int CompareTexts(std::u16string_view a, std::u16string_view b) {
  const int order = a.compare(b);
  return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

char16_t Initial(const SyllableTable& syllables, uint16_t number) {
  const std::u16string_view text = syllables.Text(number);
  return text.empty() ? u'\0' : text.front();
}

}  // namespace

int IndexOrder1(const UserRecord& a, const UserRecord& b) {
  const int category = Category(a);
  if (category != Category(b)) return ThreeWay(category, Category(b));
  switch (category) {
    case 0:
      return ThreeWay(a.character(), b.character());
    case 1:
    case 2:
      return CompareTexts(a.text(), b.text());
    default:
      return 0;
  }
}

int IndexOrder2(const UserRecord& a, const UserRecord& b, const SyllableTable& syllables) {
  const int category = Category(a);
  if (category != Category(b)) return ThreeWay(category, Category(b));
  if (category == 0) return ThreeWay(a.syllable(), b.syllable());
  if (category != 2) return 0;
  const uint16_t countA = a.syllableCount();
  const uint16_t countB = b.syllableCount();
  const uint16_t common = std::min(countA, countB);
  for (uint16_t i = 0; i < common; ++i) {
    const int order = ThreeWay(Initial(syllables, a.syllableAt(i)), Initial(syllables, b.syllableAt(i)));
    if (order != 0) return order;
  }
  return ThreeWay(countA, countB);
}

}  // namespace kellavor::lexicon
