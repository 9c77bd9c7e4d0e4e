// A Chinese word of two or more syllables in the phrase dictionary, read in place. Records are
// variable-length and stored back to back:
//   0  length of the whole record in bytes      2  flags (text length n: bits 4-10, class: 11-14)
//   6  frequency                                10 text: n units and a zero unit
//   12 + 2n  m, the number of syllables         14 + 2n  m syllable numbers, one per character
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ime/lexicon/dictionary_format.h"

namespace kellavor::lexicon {

class PhraseRecord {
 public:
  static constexpr size_t kLengthOffset = 0;
  static constexpr size_t kFlagsOffset = 2;
  static constexpr size_t kFrequencyOffset = 6;
  static constexpr size_t kTextOffset = 10;
  static constexpr uint32_t kMinSyllables = 2;

  static constexpr size_t MinimumLength(size_t textUnits, size_t syllables) { return 14 + 2 * textUnits + 2 * syllables; }
  static constexpr uint32_t Flags(uint32_t textUnits, uint8_t charClass) { return (textUnits & 0x7F) << 4 | (charClass & 0xFu) << 11; }

  PhraseRecord() = default;
  // bytes: the start of a record the phrase dictionary has checked (an even address).
  explicit PhraseRecord(const uint8_t* bytes) : bytes_(bytes) {}

  explicit operator bool() const { return bytes_ != nullptr; }
  const uint8_t* bytes() const { return bytes_; }  // what candidates keep as their entry

  uint16_t length() const { return LoadU16(bytes_ + kLengthOffset); }
  uint32_t flags() const { return LoadU32(bytes_ + kFlagsOffset); }
  uint32_t textLength() const { return FlagField(flags(), 4, 7); }
  uint8_t charClass() const { return static_cast<uint8_t>(FlagField(flags(), 11, 4)); }
  uint32_t frequency() const { return LoadU32(bytes_ + kFrequencyOffset); }
  // The n units of the text; a zero unit follows them in place.
  std::u16string_view text() const { return {reinterpret_cast<const char16_t*>(bytes_ + kTextOffset), textLength()}; }
  uint16_t syllableCount() const { return LoadU16(SyllableField()); }
  uint16_t syllable(uint32_t i) const { return LoadU16(SyllableField() + 2 + 2 * static_cast<size_t>(i)); }

 private:
  const uint8_t* SyllableField() const { return bytes_ + kTextOffset + 2 * (static_cast<size_t>(textLength()) + 1); }

  const uint8_t* bytes_ = nullptr;
};

}  // namespace kellavor::lexicon
