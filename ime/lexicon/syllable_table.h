// The pinyin syllables and bare initials, addressed by number. The module reads them from its
// resource "Pylist" 163: entries of 7 UTF-16 units, the letters padded with zero units.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace kellavor::lexicon {

inline constexpr std::u16string_view kSyllableResourceType = u"Pylist";
inline constexpr uint16_t kSyllableResourceId = 163;
inline constexpr size_t kSyllableEntryUnits = 7;
inline constexpr size_t kSyllableEntryBytes = 2 * kSyllableEntryUnits;

// The table the module ships, in number order.
std::span<const std::string_view> ShippedSyllables();

// The resource form of a list of syllables.
std::vector<uint8_t> EncodeSyllableTable(std::span<const std::string_view> syllables);

class SyllableTable {
 public:
  SyllableTable() = default;
  // Takes a copy of the entries; a trailing partial entry is ignored.
  explicit SyllableTable(std::span<const uint8_t> entries);

  uint32_t Count() const { return static_cast<uint32_t>(units_.size() / kSyllableEntryUnits); }
  // The letters of the syllable; empty for a number outside the table (kNoSyllable among them).
  std::u16string_view Text(uint32_t number) const;
  // The number of the syllable with exactly this text. The entries are in ascending code-unit
  // order, so the search is binary.
  std::optional<uint16_t> Find(std::u16string_view text) const;

 private:
  std::vector<char16_t> units_;
  std::vector<uint8_t> lengths_;  // letters of each entry: the searches read texts in their inner loops
};

}  // namespace kellavor::lexicon
