// data_lm.bin, the word language model of the sentence search, built from the dictionary's words
// and a corpus of running text. The corpus runs are cut into dictionary words (the most probable
// segmentation under the dictionary's frequencies), and the words and word pairs counted:
// - a word's probability mixes its share of the corpus and its share of the dictionary's
//   frequencies (characters at a quarter of their frequency: theirs counts their use inside words);
// - a pair's probability is absolute discounting, interpolated with the word's probability; the
//   back-off cost of a word is the mass its discounts leave.
// Words are the distinct texts of the characters and phrases; word 0 is the clause boundary.
#pragma once

#include <cstdint>
#include <ostream>
#include <vector>

#include "tools/dictbuild/dictionary_source.h"

namespace kellavor::dictbuild {

// Empty when the source has no corpus.
std::vector<uint8_t> BuildLanguageModel(const DictionarySource& source, std::ostream& log);

}  // namespace kellavor::dictbuild
