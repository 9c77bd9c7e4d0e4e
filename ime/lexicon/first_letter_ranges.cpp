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

void FirstLetterRanges::Forget() {
  charsFound_.reset();
  phrasesFound_.reset();
}

KeyRange FirstLetterRanges::Chars(const SystemDictionaries& dictionaries, char16_t letter) {
  const int slot = Slot(letter);
  if (slot < 0) return SearchCharRange(dictionaries, letter);
  if (!charsFound_[static_cast<size_t>(slot)]) {
    chars_[static_cast<size_t>(slot)] = SearchCharRange(dictionaries, letter);
    charsFound_.set(static_cast<size_t>(slot));
  }
  return chars_[static_cast<size_t>(slot)];
}

KeyRange FirstLetterRanges::Phrases(SystemDictionaries& dictionaries, char16_t first, char16_t second) {
  const int a = Slot(first);
  const int b = Slot(second);
  if (a < 0 || b < 0) return SearchPhraseRange(dictionaries, first, second);
  const auto slot = static_cast<size_t>(a * kLetters + b);
  if (!phrasesFound_[slot]) {
    phrases_[slot] = SearchPhraseRange(dictionaries, first, second);
    phrasesFound_.set(slot);
  }
  return phrases_[slot];
}

}  // namespace kellavor::lexicon
