// Character sets and traditional variants from the Unihan database: lines
// "U+XXXX<TAB>field<TAB>value" of Unihan_OtherMappings.txt (kGB0, kTGH) and Unihan_Variants.txt
// (kTraditionalVariant).
#pragma once

#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "tools/dictbuild/dictionary_source.h"

namespace kellavor::dictbuild {

// Nested character sets, so that a larger class value means a more common character: every
// character is in kAnyCharacter, and a character carries the bit of every set it belongs to.
inline constexpr uint8_t kGb2312Level1 = 1;    // GB 2312 rows 16 to 55
inline constexpr uint8_t kGb2312 = 2;          // any GB 2312 character
inline constexpr uint8_t kGeneralStandard = 4; // the General Standard Chinese Characters list
inline constexpr uint8_t kAnyCharacter = 8;

class CharacterClasses {
 public:
  // Reads the kGB0 and kTGH lines of the text; other lines are ignored.
  static CharacterClasses Parse(std::string_view otherMappings);

  // The class of the character; kAnyCharacter alone for one in none of the sets.
  uint8_t ClassOf(char32_t character) const;
  // The AND of the classes of the characters: the sets that hold all of them.
  uint8_t ClassOf(std::u32string_view text) const;

  size_t size() const { return bits_.size(); }

 private:
  std::unordered_map<char32_t, uint8_t> bits_;
};

// One pair per character of the basic plane whose traditional variant is exactly one other
// character of the basic plane: a character listing itself among several variants keeps its form
// in some words and is left out. Sorted by the simplified character, without duplicates.
std::vector<TraditionalPair> ParseTraditionalTable(std::string_view variants);

}  // namespace kellavor::dictbuild
