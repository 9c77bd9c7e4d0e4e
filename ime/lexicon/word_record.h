// A German word in the German dictionary, read in place:
//   0  not read (the writer stores the record length)   2  flags (word length: bits 4-10)
//   6  frequency   10  the word, the hint and the key, each zero-terminated
// The hint holds alternatives separated by the two units backslash and n; the key is the word
// passed through FoldGermanKey.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "ime/lexicon/dictionary_format.h"

namespace kellavor::lexicon {

class WordRecord {
 public:
  static constexpr size_t kLengthOffset = 0;
  static constexpr size_t kFlagsOffset = 2;
  static constexpr size_t kFrequencyOffset = 6;
  static constexpr size_t kWordOffset = 10;

  static constexpr uint32_t Flags(uint32_t wordUnits) { return (wordUnits & 0x7F) << 4; }

  WordRecord() = default;
  // bytes: the start of a record the German dictionary has checked (an even address whose three
  // texts end inside the file).
  explicit WordRecord(const uint8_t* bytes) : bytes_(bytes) {}

  explicit operator bool() const { return bytes_ != nullptr; }
  const uint8_t* bytes() const { return bytes_; }  // what candidates keep as their entry

  uint32_t flags() const { return LoadU32(bytes_ + kFlagsOffset); }
  uint32_t wordLength() const { return FlagField(flags(), 4, 7); }
  uint32_t frequency() const { return LoadU32(bytes_ + kFrequencyOffset); }
  // Each text is followed by its zero unit in place.
  std::u16string_view word() const { return TextAt(reinterpret_cast<const char16_t*>(bytes_ + kWordOffset)); }
  std::u16string_view hint() const { return TextAfter(word()); }
  std::u16string_view key() const { return TextAfter(hint()); }

 private:
  static std::u16string_view TextAt(const char16_t* text) { return {text, std::char_traits<char16_t>::length(text)}; }
  static std::u16string_view TextAfter(std::u16string_view text) { return TextAt(text.data() + text.size() + 1); }

  const uint8_t* bytes_ = nullptr;
};

}  // namespace kellavor::lexicon
