// The equal ranges of the two first-letter indexes of the system dictionaries (characters by the
// first letter of their reading, phrases by the first letters of their first two syllables), kept
// for the letters a to z once a search has found them, so that later searches look them up instead
// of searching the index. Each is found on its first use rather than all when the dictionaries are
// mapped: the start then reads none of the records. Other letters are searched in the index as
// they come.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>

#include "ime/lexicon/key_range.h"
#include "ime/lexicon/system_dictionaries.h"

namespace kellavor::lexicon {

// The first letter of a syllable as a key of the first-letter indexes; a number without text (no
// reading) sorts after every letter.
inline constexpr uint32_t kNoLetterKey = 0x10000;
inline uint32_t InitialKey(const SyllableTable& table, uint16_t syllable) {
  const std::u16string_view text = table.Text(syllable);
  return text.empty() ? kNoLetterKey : text.front();
}

class FirstLetterRanges {
 public:
  // Forgets every range, for dictionaries mapped anew; the indexes do not change while the views
  // live.
  void Forget();

  KeyRange Chars(const SystemDictionaries& dictionaries, char16_t letter);
  KeyRange Phrases(SystemDictionaries& dictionaries, char16_t first, char16_t second);

 private:
  static constexpr int kLetters = 26;
  static int Slot(char16_t letter) { return letter >= u'a' && letter <= u'z' ? letter - u'a' : -1; }

  std::array<KeyRange, kLetters> chars_{};
  std::array<KeyRange, kLetters * kLetters> phrases_{};
  std::bitset<kLetters> charsFound_;
  std::bitset<kLetters * kLetters> phrasesFound_;
};

// The binary searches behind the ranges.
KeyRange SearchCharRange(const SystemDictionaries& dictionaries, char16_t letter);
KeyRange SearchPhraseRange(SystemDictionaries& dictionaries, char16_t first, char16_t second);

}  // namespace kellavor::lexicon
