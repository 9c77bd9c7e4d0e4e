// The typed letters shown split into the syllables of a reading: zhg read with the codes of zhong
// guo shows as zh'g'.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "ime/lexicon/fuzzy_pairs.h"
#include "ime/lexicon/syllable_table.h"

namespace kellavor::lexicon {

// Appends to out the letters, grouped by the syllables of codes (syllable numbers in text order),
// each group followed by an apostrophe, and returns the number of apostrophes added. A group takes
// the letters that match its syllable, under the fuzzy pairs, as they were typed; letters that the
// codes do not cover are left for the caller to add.
size_t FormatReading(const SyllableTable& table, std::span<const FuzzyPair> pairs, std::span<const uint16_t> codes,
                     std::u16string_view letters, std::u16string& out);

}  // namespace kellavor::lexicon
