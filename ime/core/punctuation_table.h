// Chinese punctuation and full-width forms of the punctuation and digit keys: a table of 42 typed
// characters with the form each takes under the context's conversion flags, and the pairing of
// curly quotation marks.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace kellavor::core {

struct PunctuationRow {
  std::u16string_view typed;            // the lookup key, and the form with neither flag
  std::u16string_view symbol;           // Chinese punctuation
  std::u16string_view symbolFullShape;  // Chinese punctuation and full-width
  std::u16string_view fullShape;        // full-width alone
};

inline constexpr size_t kPunctuationRows = 42;

std::span<const PunctuationRow, kPunctuationRows> PunctuationTable();

// The mark for what a key typed (one or two characters): the form of the first row whose typed
// text equals it exactly, chosen by the two conversion flags; absent when no row matches. An
// opening single or double curly quotation mark becomes the closing one while its toggle is set
// (1 after an opening mark), and the toggle flips; no other form touches the toggles.
std::optional<std::u16string_view> PunctuationMark(std::u16string_view typed, bool symbol, bool fullShape,
                                                   uint32_t& singleQuoteOpen, uint32_t& doubleQuoteOpen);

}  // namespace kellavor::core
