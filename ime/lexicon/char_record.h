// One character with one reading in the character dictionary: 12 bytes, used in place.
#pragma once

#include <cstdint>

#include "ime/lexicon/dictionary_format.h"

namespace kellavor::lexicon {

struct CharRecord {
  static constexpr size_t kCharacterOffset = 0;
  static constexpr size_t kFrequencyOffset = 4;
  static constexpr size_t kSyllableOffset = 6;
  static constexpr size_t kFlagsOffset = 8;

  // A UTF-16 unit in the low 16 bits, or a surrogate pair: first unit low, second unit high.
  uint32_t character() const { return LoadU32(bytes + kCharacterOffset); }
  uint16_t frequency() const { return LoadU16(bytes + kFrequencyOffset); }
  uint16_t syllable() const { return LoadU16(bytes + kSyllableOffset); }  // kNoSyllable: no reading
  uint16_t flags() const { return LoadU16(bytes + kFlagsOffset); }
  uint8_t charClass() const { return static_cast<uint8_t>(FlagField(flags(), 1, 4)); }

  uint8_t bytes[12];  // the last two bytes are not read
};
static_assert(sizeof(CharRecord) == 12 && alignof(CharRecord) == 1, "records are read in place at any offset");

// The flags of a record of that class.
constexpr uint16_t CharFlags(uint8_t charClass) { return static_cast<uint16_t>((charClass & 0xF) << 1); }

// The stored form of a code point (see CharRecord::character).
constexpr uint32_t StoredCharacter(char32_t codePoint) {
  if (codePoint < 0x10000) return codePoint;
  const uint32_t offset = codePoint - 0x10000;
  return (0xD800 + (offset >> 10)) | ((0xDC00 + (offset & 0x3FF)) << 16);
}

}  // namespace kellavor::lexicon
