// The texts the panel draws besides the candidates themselves, and the rules that pick fonts and
// colours for parts of a text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kellavor::ui {

// The label before candidate n (1 to 10) of a page: " 1. " to " 9. ", the tenth " 0. ", as its
// digit key selects it.
std::u16string NumberLabel(size_t n);

// Characters of CJK Unified Ideographs Extension A, drawn in the Extension A font.
inline bool IsExtensionA(char16_t unit) { return unit >= 0x3400 && unit <= 0x4DB5; }

// The hint after a short composition: which key enters the typed letters as they are (Space when
// Space does not select, Enter otherwise). Shown while the composition has fewer than 5 characters.
std::u16string_view KeyHint(bool spaceSelects);
inline bool KeyHintShown(size_t compositionLength) { return compositionLength < 5; }

// In German word input, how many leading characters of a proposed word stand out as typed: the
// length of the composition's word that holds the split position, at most the word's own length.
size_t TypedPartLength(std::u16string_view composition, size_t split, size_t wordLength);

}  // namespace kellavor::ui
