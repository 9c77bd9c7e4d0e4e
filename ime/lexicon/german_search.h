// The German word search: dictionary words whose folded key begins with the folded input, the
// speller's corrections brought back to dictionary words, and the words the user has written
// before, deduplicated and ranked.
#pragma once

#include <cstdint>
#include <string_view>

#include "ime/base/grow_array.h"
#include "ime/lexicon/german_near_keys.h"
#include "ime/lexicon/speller.h"
#include "ime/lexicon/system_dictionaries.h"
#include "ime/lexicon/user_block.h"

namespace kellavor::lexicon {

// At most this many candidates come from the dictionary's prefix range; inputs longer than
// kCorrectionMinimumUnits - 1 units are also corrected: by the dictionary words one edit away, or when
// there are none and the letters are no edit away from the beginning of any word, by the speller,
// whose first kSpellerSuggestions answers are looked up.
inline constexpr int32_t kGermanPrefixLimit = 5000;
inline constexpr size_t kCorrectionMinimumUnits = 5;
inline constexpr size_t kSpellerSuggestions = 5;
// No correction is sought while the typed letters begin a word this frequent (30 uses per
// million words, the scale of WordRecord::frequency): the writer is taken to be typing that word,
// and an exactly typed common word keeps its completions on the first page. Letters that begin
// only rare words, or none, get corrections (Standart begins only Standarte; Ergebniss begins
// Ergebnisse, and loses Ergebnis).
inline constexpr uint32_t kCommonWordFrequency = 3000;

// Whether corrections are sought for an input of `units` UTF-16 units whose prefix range holds words
// of at most `prefixFrequency` (0 for none).
constexpr bool CorrectionsWanted(size_t units, uint32_t prefixFrequency) {
  return units >= kCorrectionMinimumUnits && prefixFrequency < kCommonWordFrequency;
}

// What the German search reads.
struct GermanSources {
  const SystemDictionaries& dictionaries;
  Speller& speller;
  UserBlockView user;
  // What is kept of the corrections between keystrokes; null searches afresh.
  NearKeys* nearKeys = nullptr;
};

// Fills `out` (empty on entry) and returns its count.
int32_t SearchGerman(const GermanSources& sources, std::u16string_view text, base::GrowArray& out);

// Appends the learned German words whose folded form begins with the typed text (as typed, not
// folded), within the range of user index 1 where the two orders agree. Returns the count of
// `out` afterwards, or 0 when the text is empty or nothing matched.
int32_t UserWordSearch(const UserBlockView& user, std::u16string_view text, base::GrowArray& out);

// The ranking of the final German list (a SortRecords comparator over Candidate records).
int GermanRankCompare(const void* a, const void* b, void* context);

}  // namespace kellavor::lexicon
