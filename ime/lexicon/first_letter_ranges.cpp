#include "ime/lexicon/first_letter_ranges.h"

namespace kellavor::lexicon {
namespace {

uint64_t PairKey(uint32_t first, uint32_t second) { return static_cast<uint64_t>(first) << 17 | second; }

}  // namespace

KeyRange SearchCharRange(const SystemDictionaries& dictionaries, char16_t letter) {
  const IndexView index = dictionaries.CharIndex();
  return EqualKeyRange(index.size(), letter, [&](uint32_t k) {
    return InitialKey(dictionaries.Syllables(), dictionaries.CharRecordAt(index[k])->syllable());
  });
}

KeyRange SearchPhraseRange(SystemDictionaries& dictionaries, char16_t first, char16_t second) {
  const IndexView index = dictionaries.PhraseInitialsIndex();
  return EqualKeyRange(index.size(), PairKey(first, second), [&](uint32_t k) {
    const PhraseRecord phrase = dictionaries.PhraseRecordAt(index[k]);
    if (!phrase) return uint64_t{0};
    const SyllableTable& table = dictionaries.Syllables();
    return PairKey(InitialKey(table, phrase.syllable(0)), InitialKey(table, phrase.syllable(1)));
  });
}

void FirstLetterRanges::Build(SystemDictionaries& dictionaries) {
  for (int a = 0; a < kLetters; ++a) {
    const auto first = static_cast<char16_t>(u'a' + a);
    chars_[a] = SearchCharRange(dictionaries, first);
    for (int b = 0; b < kLetters; ++b) {
      phrases_[a * kLetters + b] = SearchPhraseRange(dictionaries, first, static_cast<char16_t>(u'a' + b));
    }
  }
}

KeyRange FirstLetterRanges::Chars(const SystemDictionaries& dictionaries, char16_t letter) const {
  const int slot = Slot(letter);
  return slot >= 0 ? chars_[slot] : SearchCharRange(dictionaries, letter);
}

KeyRange FirstLetterRanges::Phrases(SystemDictionaries& dictionaries, char16_t first, char16_t second) const {
  const int a = Slot(first);
  const int b = Slot(second);
  return a >= 0 && b >= 0 ? phrases_[a * kLetters + b] : SearchPhraseRange(dictionaries, first, second);
}

}  // namespace kellavor::lexicon
