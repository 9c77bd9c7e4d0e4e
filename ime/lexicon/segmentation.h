// Where the syllables are in a run of typed letters. Two readings are made: the forward reading
// (longest syllable first, from the left) is the main one; the backward reading (longest syllable
// first, from the right) is kept as the alternative when it differs. When the two agree, a main
// syllable that splits into smaller syllables forming a phrase gives the alternative instead:
// xian reads as xian, and as xi an when the phrase dictionary knows a phrase xi an.
#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ime/base/grow_array.h"
#include "ime/lexicon/syllable_item.h"
#include "ime/lexicon/syllable_set.h"

namespace kellavor::lexicon {

// Letters read from a typed text; the rest is ignored.
inline constexpr size_t kMaxSegmentedLetters = 255;

// Whether some phrase of the phrase dictionary reads as these syllables (any class of mask 2).
using PhraseTest = std::function<bool(std::span<const SyllableItem> syllables)>;

// Fills main and alternative (syllable lists, emptied first) from the letters of text; syllables
// are what IsSyllable accepts under the table and the fuzzy pairs of the set. A letter
// that belongs to no syllable becomes a syllable of its own; a bare ch, sh or zh is taken only when
// it is the whole text (elsewhere c, s or z is taken and the h stands alone).
void SplitSyllables(const SyllableSet& syllables, std::u16string_view text, base::GrowArray& main,
                    base::GrowArray& alternative, const PhraseTest& hasPhrase);

// The forward and the backward reading of a text, each left to right, and the phrase test's
// answers for the syllables of forward readings.
struct Readings {
  std::u16string text;
  std::vector<SyllableItem> forward;
  std::vector<SyllableItem> backward;
  // The syllables tested last, in the order of their reading, and what each read as: syllable i as
  // split[splitEnds[i - 1], splitEnds[i]) (itself, or the pieces of a phrase). An answer depends
  // only on the syllable (the phrase test, its dictionaries and the fuzzy pairs being the same:
  // readings kept for one of them only), so those of the syllables still in the same places are
  // taken again.
  std::vector<SyllableItem> tested;
  std::vector<size_t> splitEnds;
  std::vector<SyllableItem> split;
};

// The same with the readings of the text split last: when text begins with that text (a letter was
// appended), the syllables the added letters cannot change are taken from them, and the phrase
// test is asked only about syllables it was not asked about in the same place. readings holds the
// readings of text afterwards.
void SplitSyllables(const SyllableSet& syllables, std::u16string_view text, base::GrowArray& main,
                    base::GrowArray& alternative, const PhraseTest& hasPhrase, Readings& readings);

}  // namespace kellavor::lexicon
