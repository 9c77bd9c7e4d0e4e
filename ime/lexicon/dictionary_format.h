// What the three system dictionaries share: the header of 32-bit words, little-endian numbers read
// from unaligned places, and the limits of their fields.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace kellavor::lexicon {

static_assert(std::endian::native == std::endian::little, "the dictionaries are read in place as little-endian data");

// A syllable-number field without a reading.
inline constexpr uint16_t kNoSyllable = 0xFFFF;

// Text lengths live in 7-bit fields.
inline constexpr uint32_t kMaxTextUnits = 127;

// The header is a run of 32-bit words; word k occupies bytes 4k to 4k + 3.
namespace header_word {
inline constexpr uint32_t kEntryCount = 1;  // records or index entries, in every file
inline constexpr uint32_t kCharTable = 24;
inline constexpr uint32_t kCharIndex = 27;
inline constexpr uint32_t kPhraseArea = 57;
inline constexpr uint32_t kPhraseAreaLength = 58;
inline constexpr uint32_t kPhraseInitialsIndex = 61;
inline constexpr uint32_t kWordKeyIndex = 59;
}  // namespace header_word

// Bytes a file needs to hold every header word that is read from it.
constexpr size_t HeaderBytesReading(uint32_t lastWord) { return 4 * (static_cast<size_t>(lastWord) + 1); }

inline uint16_t LoadU16(const uint8_t* bytes) {
  uint16_t value;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

inline uint32_t LoadU32(const uint8_t* bytes) {
  uint32_t value;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

inline uint32_t HeaderWord(const uint8_t* file, uint32_t word) { return LoadU32(file + 4 * static_cast<size_t>(word)); }

// A field of bits [first, first + width) of a flags word.
constexpr uint32_t FlagField(uint32_t flags, uint32_t first, uint32_t width) { return (flags >> first) & ((1u << width) - 1); }

}  // namespace kellavor::lexicon
