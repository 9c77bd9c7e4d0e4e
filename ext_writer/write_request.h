// A request that reached the external writer, checked before anything acts on it. The sender may
// be any program of the session, including one that is not allowed to write anything itself, so
// each block is taken apart under strict rules: a known kind, exact sizes, texts that end where
// their size says, lengths a dictionary record or an INI line can hold, and record fields that
// agree with each other. A block that breaks any rule is refused whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace kellavor::ext_writer {

// The largest block taken at all: a candidate and the longest record a length field can describe.
inline constexpr size_t kMaxRequestBytes = 16 + 0xFFFF;

// INI texts of a settings write, in UTF-16 units.
inline constexpr size_t kMaxSectionUnits = 64;
inline constexpr size_t kMaxKeyUnits = 64;
inline constexpr size_t kMaxValueUnits = 1023;  // what a settings read takes back
inline constexpr size_t kMaxPathUnits = 259;

// Kind 1, a character: the 12 bytes of its character record.
struct LearnCharacter {
  std::vector<uint8_t> record;
};
// Kind 1, a phrase of the phrase dictionary.
struct LearnDictionaryPhrase {
  std::u16string text;
  uint32_t frequency = 0;
  uint8_t charClass = 0;
  std::vector<uint16_t> syllables;
};
// Kind 1, an entry of the user dictionary: its record, whose use count is to be raised.
struct RaiseLearnedEntry {
  std::vector<uint8_t> record;
};
// Kind 2.
struct LearnWord {
  std::u16string word;
};
// Kind 3, a phrase composed of several selections.
struct LearnComposedPhrase {
  std::u16string text;
  std::vector<uint16_t> syllables;
};
// Kind 4.
struct WriteSetting {
  std::u16string section;
  std::u16string key;
  std::u16string value;
  std::u16string path;
};

using WriteRequest =
    std::variant<LearnCharacter, LearnDictionaryPhrase, RaiseLearnedEntry, LearnWord, LearnComposedPhrase, WriteSetting>;

// The request of that kind in data; none when the block breaks a rule.
std::optional<WriteRequest> ParseWriteRequest(uintptr_t kind, std::span<const uint8_t> data);

}  // namespace kellavor::ext_writer
