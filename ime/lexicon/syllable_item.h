// One typed syllable, the record of a syllable list (a GrowArray of SyllableItem) that segmentation
// fills and the searches read.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string_view>


namespace kellavor::lexicon {

inline constexpr int32_t kMaxSyllableLetters = 7;

struct SyllableItem {
  int32_t length = 0;   // letters, 1 to 7
  char16_t text[8]{};   // the letters, zero-terminated

  std::u16string_view view() const { return {text, static_cast<size_t>(length)}; }
};
static_assert(sizeof(SyllableItem) == 20, "a syllable list holds 20-byte records");

// An item of the first (at most seven) letters.
inline SyllableItem MakeSyllableItem(std::u16string_view letters) {
  SyllableItem item;
  item.length = static_cast<int32_t>(std::min<size_t>(letters.size(), kMaxSyllableLetters));
  std::copy_n(letters.begin(), item.length, item.text);
  return item;
}

}  // namespace kellavor::lexicon
