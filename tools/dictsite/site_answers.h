// What the dictionary site answers to its two requests that carry text, from the text as the
// request carried it (decoded from the address, otherwise unchecked): the pages, built without a
// server so that the answers can be checked on any input.
#pragma once

#include <string>
#include <string_view>

#include "ime/lexicon/system_dictionaries.h"

namespace kellavor::dictsite {

// How many words the word page lists.
inline constexpr size_t kWordPageEntries = 50;

// The lookup page for the word parameter: the word's details when the dictionary holds it, the
// unknown-word page otherwise (without the word when it is not usable).
std::string AnswerLookup(const lexicon::SystemDictionaries& dictionaries, std::string_view rawWord);

// The word page for the letters after the word-page path.
std::string AnswerWordPage(const lexicon::SystemDictionaries& dictionaries, std::string_view rawLetters);

}  // namespace kellavor::dictsite
