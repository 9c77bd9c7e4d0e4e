// The first letters under which a typed syllable is looked up in the first-letter indexes: its own,
// then, for every fuzzy pair whose two sounds begin with different letters (n and l, f and h), the
// first letter of the other sound when the syllable begins with the first letter of one of them.
// Pairs that begin with the same letter (z and zh, an and ang) need no lookup of their own.
#pragma once

#include <cstddef>
#include <iterator>
#include <span>

#include "ime/lexicon/fuzzy_pairs.h"
#include "ime/lexicon/syllable_item.h"

namespace kellavor::lexicon {

// At most 1 + kMaxFuzzyPairs letters.
struct LookupLetters {
  char16_t letters[1 + kMaxFuzzyPairs] = {};
  size_t count = 0;

  std::span<const char16_t> view() const { return {letters, count}; }
};

// limit: the most letters wanted (the phrase search takes three).
inline LookupLetters LookupLettersOf(const SyllableItem& syllable, std::span<const FuzzyPair> pairs,
                                     size_t limit = 1 + kMaxFuzzyPairs) {
  LookupLetters lookups;
  if (syllable.length <= 0 || limit == 0) return lookups;
  const char16_t first = syllable.text[0];
  lookups.letters[lookups.count++] = first;
  for (const FuzzyPair& pair : pairs) {
    if (lookups.count == limit || lookups.count == std::size(lookups.letters)) break;
    if (!pair.crossesInitials()) continue;
    if (first == pair.soundA[0]) {
      lookups.letters[lookups.count++] = pair.soundB[0];
    } else if (first == pair.soundB[0]) {
      lookups.letters[lookups.count++] = pair.soundA[0];
    }
  }
  return lookups;
}

}  // namespace kellavor::lexicon
