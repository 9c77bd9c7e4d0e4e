// Pure decisions on the composition text: what is looked up, the word under the caret in German
// sentence input, and putting a chosen word in its place.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kellavor::core {

// The most UTF-16 units a composition holds.
inline constexpr size_t kMaxCompositionUnits = 64;

struct TextRange {
  size_t begin = 0;
  size_t end = 0;

  friend bool operator==(const TextRange&, const TextRange&) = default;
};

// From just behind the nearest space before the caret (or the start) to the first space at or
// after the caret (or the end).
TextRange WordAroundCaret(std::u16string_view composition, size_t cursor);

// The text that is looked up: in sentence input the word around the caret; otherwise the part in
// front of the caret, or the whole composition with the caret at the front.
std::u16string_view SearchKeyOf(std::u16string_view composition, size_t cursor, bool sentenceInput);

struct ReplacedWord {
  std::u16string composition;
  size_t cursor = 0;
};

// The word around the caret replaced by text, the caret behind the inserted text. False, with out
// untouched, when the result would not fit the composition.
bool ReplaceWordAroundCaret(std::u16string_view composition, size_t cursor, std::u16string_view text,
                            ReplacedWord& out);

// The text ends a sentence: its last unit is ".", "?", "!" or a space.
bool EndsSentence(std::u16string_view composition);

}  // namespace kellavor::core
