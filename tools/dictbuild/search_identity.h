// The side-by-side check of the pinyin search: the answers the Lexicon keeps from keystroke to
// keystroke must not change a single result. Two Lexicons on the same dictionaries, one keeping
// answers and one computing every search from scratch, are typed the same words letter by letter,
// and every candidate list is compared candidate by candidate (kind, extent, letters covered, text,
// syllable numbers), with the assembled sentence.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace kellavor::dictbuild {

struct SearchIdentityReport {
  size_t searches = 0;
  size_t candidates = 0;
  size_t different = 0;  // searches whose lists differ
  std::vector<std::string> differences;  // the first few, one line each
};

// Types words (letters a to z) into both Lexicons on the dictionaries of folder, with the fuzzy
// pairs of its mohuyin.Ini when fuzzy is set, at the character sets of mask.
SearchIdentityReport CompareSearchPaths(const std::filesystem::path& folder, const std::vector<std::u16string>& words,
                                        bool fuzzy, uint8_t mask);

}  // namespace kellavor::dictbuild
