// The two orders the user dictionary keeps its indexes in. Both are three-way comparisons of
// records (negative: a first); an empty record (one that failed its checks) sorts after every other.
#pragma once

#include "ime/lexicon/syllable_table.h"
#include "ime/lexicon/user_block.h"

namespace kellavor::lexicon {

// Index 1: single characters by character value (unsigned), then German words by text, then
// Chinese phrases by text (texts in UTF-16 code-unit order). No two records of one dictionary are
// equal under it: it is the duplicate test.
int IndexOrder1(const UserRecord& a, const UserRecord& b);

// Index 2, the order of readings: single characters by syllable number, then German words (all
// equal to one another), then Chinese phrases by the first letters of their syllables, syllable by
// syllable, the phrase with fewer syllables first on a common prefix.
int IndexOrder2(const UserRecord& a, const UserRecord& b, const SyllableTable& syllables);

}  // namespace kellavor::lexicon
