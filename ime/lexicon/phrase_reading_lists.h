// The positions of each range of the phrase initials index (the phrases whose first two syllables
// begin with two given letters) grouped by the reading of the phrase's first syllable, each group
// in index order, made at the range's first use. A typed first syllable that matches a single
// reading of a range (a whole syllable without fuzzy pairs), or a few readings of a range ordered
// by reading (a bare initial), reads the phrases of those readings instead of the whole range,
// which holds the phrases of every syllable beginning with the letter.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "ime/lexicon/first_letter_ranges.h"
#include "ime/lexicon/reading_groups.h"
#include "ime/lexicon/system_dictionaries.h"

namespace kellavor::lexicon {

class PhraseReadingLists {
 public:
  // The readings of the range of the letters first and second (a to z each), grouped at its first
  // use; none for other letters, and none for a range holding a phrase without syllables (every
  // typed syllable matches it). The index must not change while the lists are used.
  ReadingRange ReadingsOf(SystemDictionaries& dictionaries, FirstLetterRanges& ranges, char16_t first,
                          char16_t second);
  const ReadingGroups& Groups() const { return groups_; }
  void Clear() { *this = PhraseReadingLists{}; }

 private:
  static constexpr int kLetters = 26;
  struct Range {
    bool grouped = false;
    GroupPlace groups;
  };

  std::vector<Range> ranges_;  // by first letter * 26 + second letter, made at the first use
  ReadingGroups groups_;
  std::vector<std::pair<uint16_t, uint32_t>> entries_;  // of the range being grouped
};

}  // namespace kellavor::lexicon
