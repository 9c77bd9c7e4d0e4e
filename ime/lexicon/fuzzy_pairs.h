// Fuzzy sounds: pairs of sounds (z and zh, n and l, an and ang ...) that the syllable tests and
// comparisons treat as equal, in both directions. The user lists them in mohuyin.Ini:
//
//   [Fuzzy]
//   1=z,zh
//   ...
//   22=...
//
// Each value holds two sounds separated by any run of tab, line feed, carriage return, comma and
// semicolon (leading separators are skipped; a blank is part of a sound). The first two tokens are
// the pair, further tokens are ignored. A sound has 1 to 6 letters; a value with a longer sound
// adds no pair. A pair works in both directions, however it is written: its shorter sound is kept
// first.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "ime/base/grow_array.h"

namespace kellavor::lexicon {

inline constexpr size_t kMaxSoundLetters = 6;
inline constexpr int32_t kMaxFuzzyPairs = 22;

struct FuzzyPair {
  char16_t soundA[7]{};  // zero-terminated
  char16_t soundB[7]{};
  uint16_t lengthA = 0;
  uint16_t lengthB = 0;

  std::u16string_view a() const { return {soundA, lengthA}; }
  std::u16string_view b() const { return {soundB, lengthB}; }
  // The two sounds begin with different letters, so the pair widens the first-letter lookups.
  bool crossesInitials() const { return soundA[0] != soundB[0]; }
};
static_assert(sizeof(FuzzyPair) == 32, "fuzzy pairs are 32-byte records");

// The pair a value of mohuyin.Ini holds, the shorter sound first; none when it has fewer than two tokens or a sound is
// longer than six letters.
std::optional<FuzzyPair> ParseFuzzyPair(std::u16string_view value);

// The pairs in force, in the order of their keys in the file (a GrowArray of capacity and step 5).
class FuzzyPairList {
 public:
  FuzzyPairList();

  // Empties the list; when useFuzzy is set, reads keys 1 to 22 of section "Fuzzy" of the file at
  // mohuyinPath and appends each complete pair. A missing or unreadable file leaves it empty.
  void LoadFuzzyPairs(const std::u16string& mohuyinPath, bool useFuzzy);

  std::span<const FuzzyPair> Pairs() const {
    return {static_cast<const FuzzyPair*>(pairs_.data()), static_cast<size_t>(pairs_.count())};
  }

 private:
  base::GrowArray pairs_;
};

}  // namespace kellavor::lexicon
