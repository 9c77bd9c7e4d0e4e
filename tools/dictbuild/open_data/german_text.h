// Words in German text: letters of the Latin script with hyphens inside.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kellavor::dictbuild {

// The words of UTF-8 text outside the remarks in {}, [] and () (grammar and subject labels,
// explanations), in order: maximal runs of letters, a hyphen between two letters belonging to the word.
std::vector<std::u16string> GermanWords(std::string_view text);

struct RunningWord {
  std::u16string word;
  bool sentenceStart = false;  // the first word of a line or after . ! ? or :
};

// The words of running UTF-8 text, brackets included, as GermanWords finds them.
std::vector<RunningWord> RunningTextWords(std::string_view text);

// Whether the UTF-8 text is one German word of 2 to 64 letters (hyphens inside allowed).
bool IsSingleGermanWord(std::string_view text);

// Whether the UTF-8 text holds nothing but remarks in (), {}, [], abbreviations between slashes
// ("/Fam./") and spaces.
bool HoldsOnlyRemarks(std::string_view text);

}  // namespace kellavor::dictbuild
