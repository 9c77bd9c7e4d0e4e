// What the dictionary writer turns into data_si.bin, data_ph.bin, data_de.bin and the conversion
// table: plain entries, independent of where they came from (the open data sets or the small
// handwritten fixture sources of the tests).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kellavor::dictbuild {

// One character with one reading. A character with three readings is three entries.
struct CharEntry {
  char32_t character = 0;
  std::string syllable;    // lower-case pinyin without tone, ü written v; empty for no reading
  uint32_t frequency = 0;  // larger is more frequent; the writer saturates it to 16 bits
  uint8_t charClass = 0;   // 4-bit character-set class
};

// One word of two or more characters with one reading.
struct PhraseEntry {
  std::u16string text;
  std::vector<std::string> syllables;  // one per character, in text order
  uint32_t frequency = 0;
  uint8_t charClass = 0;  // AND of the classes of its characters
};

// One German word in its proper spelling.
struct WordEntry {
  std::u16string word;
  std::u16string hint;  // Chinese gloss; alternatives joined by the two units backslash and n
  uint32_t frequency = 0;
};

// One row of the simplified-to-traditional table.
struct TraditionalPair {
  char16_t simplified = 0;
  char16_t traditional = 0;
};

struct DictionarySource {
  std::vector<CharEntry> chars;
  std::vector<PhraseEntry> phrases;
  std::vector<WordEntry> words;
  std::vector<TraditionalPair> traditional;
  // The largest character weight when the character frequencies are square-root scaled
  // (frequency = 65535 * sqrt(weight / largest)); 0 when they are the weights themselves.
  uint32_t largestCharWeight = 0;
  // Runs of Chinese characters from running text, the language model's corpus; none: no model.
  std::vector<std::u16string> corpus;
};

}  // namespace kellavor::dictbuild
