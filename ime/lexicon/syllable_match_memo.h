// Answers of one comparison rule (a typed syllable against a dictionary syllable), remembered by
// syllable number for the length of one search. The records of a range share few readings, so
// each typed syllable is compared with each reading once, however many records carry it.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace kellavor::lexicon {

class SyllableMatchMemo {
 public:
  // Typed syllables remembered; later ones are compared every time.
  static constexpr size_t kPositions = 8;

  // Forgets every answer, for a table of syllableCount numbers.
  void Reset(size_t syllableCount) {
    count_ = syllableCount;
    states_.assign(kPositions * count_, kUnknown);
  }

  // The answer of compare() for typed syllable `position` and dictionary syllable `number`.
  template <typename Compare>
  bool Matches(size_t position, uint16_t number, const Compare& compare) {
    if (position >= kPositions || number >= count_) return compare();
    uint8_t& state = states_[position * count_ + number];
    if (state == kUnknown) state = compare() ? kMatch : kNoMatch;
    return state == kMatch;
  }

 private:
  static constexpr uint8_t kUnknown = 0;
  static constexpr uint8_t kMatch = 1;
  static constexpr uint8_t kNoMatch = 2;

  size_t count_ = 0;
  std::vector<uint8_t> states_;
};

}  // namespace kellavor::lexicon
