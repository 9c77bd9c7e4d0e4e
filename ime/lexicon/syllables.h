// Tests and comparisons of pinyin syllables. The syllable table is the authority for what a
// syllable is: it holds the ordinary syllables and the 23 bare initials (so zg reads as z g, the
// initials of zhong guo). Every test and comparison also applies the fuzzy pairs in force, in both
// directions.
#pragma once

#include <span>
#include <string_view>

#include "ime/lexicon/fuzzy_pairs.h"
#include "ime/lexicon/syllable_table.h"

namespace kellavor::lexicon {

// Whether the letters form a syllable of the table, directly or through a fuzzy pair (with z/zh,
// zua is a syllable because zhua is). Never for more than seven letters.
bool IsSyllable(const SyllableTable& table, std::span<const FuzzyPair> pairs, std::u16string_view text);

// Exactly one of the 23 initials b c ch d f g h j k l m n p q r s sh t w x y z zh.
bool IsBareInitial(std::u16string_view text);

// ch, sh or zh, in either case.
bool IsDoubleInitial(std::u16string_view text);

// 0 when the typed syllable equals the dictionary syllable under the fuzzy pairs; otherwise negative
// when the typed one sorts first (the difference of the first letters that differ). The typed syllable must cover the whole dictionary syllable: zhan does not match
// zhang unless an/ang is a pair.
int FuzzyMatch(std::span<const FuzzyPair> pairs, std::u16string_view typed, std::u16string_view dictionary);

// 0 when a typed bare initial matches the initial of the dictionary syllable (the longest prefix
// of at most two letters that is a bare initial: zh for zhang, s for sang) under the fuzzy pairs. A
// dictionary syllable that begins with a vowel matches only the identical text.
int InitialMatch(std::span<const FuzzyPair> pairs, std::u16string_view typed, std::u16string_view dictionary);

}  // namespace kellavor::lexicon
