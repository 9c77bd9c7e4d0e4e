// English senses as the German-English and Chinese-English dictionaries write them, brought to one
// comparable form.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kellavor::dictbuild {

// The parts of text between separators that stand outside (), [], {} and <>.
std::vector<std::string_view> SplitOutsideBrackets(std::string_view text, char separator);

// Lower-case words separated by single spaces, without bracketed remarks, a leading "to", "a",
// "an" or "the", and the placeholders "sth" and "sb": "to have {had; had}" and "To have" both
// become "have", "the (natural) predator" becomes "predator".
std::string NormaliseSense(std::string_view sense);

// Whether the sense is a name: its first word outside brackets is capitalised ("Germany",
// "(the) Alps"), other than "I".
bool IsProperSense(std::string_view sense);

// Whether the sense names an action, written as an infinitive: "to go", "(to) be".
bool IsVerbalSense(std::string_view sense);

// The words of a longer English text in the same form, with a space before and after every
// word, so that " " + sense + " " finds a sense as whole words.
std::string NormaliseEnglishText(std::string_view text);

// The sense with the last word in the singular ("mine cars" -> "mine car", "cities" -> "city");
// empty when the last word does not look like a plural.
std::string SingularSense(std::string_view normalisedSense);

}  // namespace kellavor::dictbuild
