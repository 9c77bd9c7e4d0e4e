// The positions of every first-letter range of the character index grouped by the reading of their
// record, each group in index order. A typed syllable that matches a single reading of a range (a
// whole syllable without fuzzy pairs) reads the positions of that reading instead of the whole
// range, which holds every character with that first letter.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "ime/lexicon/first_letter_ranges.h"
#include "ime/lexicon/system_dictionaries.h"

namespace kellavor::lexicon {

class CharReadingLists {
 public:
  // The positions of one reading in a range: positions [first, last) of the lists.
  struct Reading {
    uint16_t reading = 0;
    uint32_t first = 0;
    uint32_t last = 0;
  };

  // Groups the ranges of the letters a to z; the index must not change while the lists are used.
  void Build(const SystemDictionaries& dictionaries, FirstLetterRanges& ranges);
  void Clear() { *this = CharReadingLists{}; }
  bool Built() const { return built_; }

  // Every reading found in the range of letter (a to z; none for other letters).
  std::span<const Reading> ReadingsOf(char16_t letter) const;
  // The positions of a reading of ReadingsOf, ascending.
  std::span<const uint32_t> Positions(const Reading& reading) const {
    return std::span<const uint32_t>(positions_).subspan(reading.first, reading.last - reading.first);
  }

 private:
  static constexpr int kLetters = 26;
  bool built_ = false;
  std::array<uint32_t, kLetters + 1> letterFirst_{};  // letter l: readings_[letterFirst_[l], letterFirst_[l + 1])
  std::vector<Reading> readings_;
  std::vector<uint32_t> positions_;
};

}  // namespace kellavor::lexicon
