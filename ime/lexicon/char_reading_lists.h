// The positions of every first-letter range of the character index grouped by the reading of their
// record, each group in index order. A typed syllable that matches a single reading of a range (a
// whole syllable without fuzzy pairs), or a few readings of a range ordered by reading (a bare
// initial), reads the positions of those readings instead of the whole range, which holds every
// character with that first letter.
#pragma once

#include <array>

#include "ime/lexicon/first_letter_ranges.h"
#include "ime/lexicon/reading_groups.h"
#include "ime/lexicon/system_dictionaries.h"

namespace kellavor::lexicon {

class CharReadingLists {
 public:
  // Groups the ranges of the letters a to z; the index must not change while the lists are used.
  void Build(const SystemDictionaries& dictionaries, FirstLetterRanges& ranges);
  void Clear() { *this = CharReadingLists{}; }
  bool Built() const { return built_; }

  // The readings found in the range of letter (a to z; none for other letters).
  ReadingRange ReadingsOf(char16_t letter) const;
  const ReadingGroups& Groups() const { return groups_; }

 private:
  static constexpr int kLetters = 26;

  bool built_ = false;
  std::array<GroupPlace, kLetters> letters_{};  // the groups of each letter's range
  ReadingGroups groups_;
};

}  // namespace kellavor::lexicon
