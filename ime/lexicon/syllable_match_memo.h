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

  // Forgets every answer, for a table of syllableCount numbers. A search resets the memo many
  // times per keystroke, so answers are stamped with a generation instead of being cleared; the
  // table is cleared only when the generations run out or the size changes.
  void Reset(size_t syllableCount) {
    if (syllableCount != count_ || generation_ == kLastGeneration) {
      count_ = syllableCount;
      states_.assign(kPositions * count_, 0);
      generation_ = 0;
    }
    ++generation_;
  }

  // The answer of compare() for typed syllable `position` and dictionary syllable `number`.
  template <typename Compare>
  bool Matches(size_t position, uint16_t number, const Compare& compare) {
    if (position >= kPositions || number >= count_) return compare();
    uint32_t& state = states_[position * count_ + number];
    if ((state >> 1) != generation_) state = generation_ << 1 | (compare() ? 1U : 0U);
    return (state & 1U) != 0;
  }

 private:
  static constexpr uint32_t kLastGeneration = 0x7FFFFFFF;

  size_t count_ = 0;
  uint32_t generation_ = 0;   // of the current answers; 0 marks none
  std::vector<uint32_t> states_;  // generation << 1 | answer
};

}  // namespace kellavor::lexicon
