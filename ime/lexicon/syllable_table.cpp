#include "ime/lexicon/syllable_table.h"

#include <algorithm>
#include <cstring>

#include "ime/lexicon/dictionary_format.h"

namespace kellavor::lexicon {

std::vector<uint8_t> EncodeSyllableTable(std::span<const std::string_view> syllables) {
  std::vector<uint8_t> bytes(syllables.size() * kSyllableEntryBytes, 0);
  for (size_t i = 0; i < syllables.size(); ++i) {
    const size_t letters = std::min(syllables[i].size(), kSyllableEntryUnits - 1);
    for (size_t k = 0; k < letters; ++k) bytes[i * kSyllableEntryBytes + 2 * k] = static_cast<uint8_t>(syllables[i][k]);
  }
  return bytes;
}

SyllableTable::SyllableTable(std::span<const uint8_t> entries) {
  // Syllable numbers are 16-bit and kNoSyllable is not a syllable.
  const size_t count = std::min<size_t>(entries.size() / kSyllableEntryBytes, kNoSyllable);
  units_.resize(count * kSyllableEntryUnits);
  if (count > 0) std::memcpy(units_.data(), entries.data(), units_.size() * sizeof(char16_t));
  lengths_.resize(count);
  for (size_t i = 0; i < count; ++i) {
    const char16_t* entry = units_.data() + i * kSyllableEntryUnits;
    lengths_[i] = static_cast<uint8_t>(std::find(entry, entry + kSyllableEntryUnits, u'\0') - entry);
  }
}

std::u16string_view SyllableTable::Text(uint32_t number) const {
  if (number >= Count()) return {};
  return {units_.data() + static_cast<size_t>(number) * kSyllableEntryUnits, lengths_[number]};
}

std::optional<uint16_t> SyllableTable::Find(std::u16string_view text) const {
  uint32_t low = 0;
  uint32_t high = Count();
  while (low < high) {
    const uint32_t middle = low + (high - low) / 2;
    const std::u16string_view candidate = Text(middle);
    if (candidate == text) return static_cast<uint16_t>(middle);
    if (candidate < text) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return std::nullopt;
}

}  // namespace kellavor::lexicon
