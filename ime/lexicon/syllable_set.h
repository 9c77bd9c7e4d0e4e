// Every text IsSyllable accepts under one list of fuzzy pairs (the syllables of the table and
// their fuzzy variants), gathered once so that segmentation tests a piece of text with one binary
// lookup in a table of numbers. Rebuilt whenever the table or the pairs change.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "ime/lexicon/fuzzy_pairs.h"
#include "ime/lexicon/syllable_table.h"

namespace kellavor::lexicon {

class SyllableSet {
 public:
  SyllableSet() = default;
  SyllableSet(const SyllableTable& table, std::span<const FuzzyPair> pairs);

  // The answer of IsSyllable(table, pairs, text).
  bool Contains(std::u16string_view text) const;

 private:
  // Up to seven units and the length packed into two numbers.
  using Key = std::pair<uint64_t, uint64_t>;
  static Key KeyOf(std::u16string_view text);
  static size_t SlotOf(const Key& key, size_t slots);

  // Open addressing, at most half full, a power of two; {0, 0} (no text has length 0) marks an
  // empty slot. Segmentation tests thousands of pieces per key, a binary search each was a few
  // percent of the keystroke.
  std::vector<Key> slots_;
};

}  // namespace kellavor::lexicon
