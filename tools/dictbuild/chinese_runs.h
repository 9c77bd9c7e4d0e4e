// The runs of Chinese characters in running text, the material the language model is counted
// from: every character outside the CJK ideograph blocks of the basic plane (punctuation, Latin
// letters, markup, digits) ends a clause.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kellavor::dictbuild {

constexpr bool IsChineseCharacter(char32_t c) {
  return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) || c == 0x3007;
}

// Appends each maximal run of Chinese characters of text (code points, or UTF-16 units: a
// surrogate is no character of these blocks) to runs.
template <typename Text>
void AppendChineseRuns(const Text& text, std::vector<std::u16string>& runs) {
  std::u16string run;
  for (const char32_t c : text) {
    if (IsChineseCharacter(c)) {
      run.push_back(static_cast<char16_t>(c));
    } else if (!run.empty()) {
      runs.push_back(std::move(run));
      run.clear();
    }
  }
  if (!run.empty()) runs.push_back(std::move(run));
}

}  // namespace kellavor::dictbuild
