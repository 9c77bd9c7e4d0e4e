// The characters and words of the simplified-Chinese pinyin dictionary (pinyin_simp.dict.yaml):
// one line per text and reading, "text<TAB>syllables separated by spaces[<TAB>weight]", after a
// YAML header that ends with a line "...".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kellavor::dictbuild {

struct PinyinDictionaryLine {
  std::u32string text;                 // one code point per character
  std::vector<std::string> syllables;  // one per character, lower-case letters, ü written v
  std::optional<uint32_t> weight;      // absent when the line gives none
};

struct PinyinDictionary {
  std::vector<PinyinDictionaryLine> lines;
  size_t rejectedLines = 0;  // malformed: syllable count not matching, bad syllable or weight
};

PinyinDictionary ParsePinyinDictionary(std::string_view text);

// Weight of a line that gives none: below every character or word the file measured as used,
// above those it marks as never seen (weight 0).
inline constexpr uint32_t kUnweightedLineWeight = 1;

// Character frequencies are stored in 16 bits, while the file's weights reach millions. The
// square root keeps the order of all but neighbouring large weights and keeps rare characters
// apart from one another, where a linear scale would merge them all into 0.
uint32_t ScaleCharacterWeight(uint32_t weight, uint32_t largestWeight);

}  // namespace kellavor::dictbuild
