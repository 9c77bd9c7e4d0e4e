// The small handwritten sources of the test dictionaries: four tab-separated UTF-8 files in one
// folder (chars.tsv, phrases.tsv, words.tsv, traditional.tsv). One entry per line, fields separated
// by single tabs; empty lines and lines starting with # are skipped.
//   chars.tsv        character, reading ("-" for none), frequency, class (0 to 15)
//   phrases.tsv      text, readings separated by spaces, frequency, class
//   words.tsv        word, hint (alternatives joined by the two characters \n; may be empty), frequency
//   traditional.tsv  simplified character, traditional character
// Readings are pinyin letters without tones, with v for u-umlaut.
#pragma once

#include <filesystem>

#include "tools/dictbuild/dictionary_source.h"

namespace kellavor::dictbuild {

// Throws std::runtime_error naming the file and line of the first malformed line, or the file that
// cannot be read.
DictionarySource ReadFixtureSource(const std::filesystem::path& folder);

}  // namespace kellavor::dictbuild
