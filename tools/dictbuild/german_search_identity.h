// The side-by-side check of the German search: the one-edit variants it keeps from keystroke to
// keystroke must not change a single result. The same words are typed letter by letter into a
// search that keeps them and one that starts afresh at every keystroke; at every keystroke the
// corrections found (the keys one edit away, and whether any key begins within one edit) and the
// candidate lists (kind, extent, text) are compared.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace kellavor::dictbuild {

struct GermanIdentityReport {
  size_t searches = 0;
  size_t corrections = 0;  // keys one edit away, over all searches
  size_t candidates = 0;
  size_t different = 0;                  // searches whose results differ
  std::vector<std::string> differences;  // the first few, one line each
};

// Types words into both searches on the German dictionary of folder, without speller.
GermanIdentityReport CompareGermanSearchPaths(const std::filesystem::path& folder,
                                              const std::vector<std::u16string>& words);

}  // namespace kellavor::dictbuild
