// The dictionary site's pages as text: the lookup page the viewer loads (with the success marker
// when the word is known), the word page for the user's browser, the help page. Everything taken
// from a request is checked with CheckedWord first and escaped wherever it is written.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/dictsite/word_details.h"

namespace kellavor::dictsite {

// What the viewer looks for in a lookup page: this, right between "<ime>" and "</ime>".
inline constexpr std::string_view kSuccessMarker = "<ime><!--imesuccess--></ime>";

// A word longer than this (in UTF-8 bytes) is not looked up: the module's candidates and
// compositions stay far below it.
inline constexpr size_t kMaxWordBytes = 256;

// The word of a request as UTF-16 when it is well-formed UTF-8 of 1 to kMaxWordBytes bytes
// without control characters; none otherwise.
std::optional<std::u16string> CheckedWord(std::string_view raw);

// Text made safe for HTML content and attribute values.
std::string EscapeHtml(std::string_view text);

// The relative address of the lookup page of a word (UTF-8).
std::string LookupLink(std::string_view word);

// The lookup page of a known word, carrying the success marker.
std::string LookupPage(const WordDetails& details);
// The lookup page of a word the dictionary does not hold; word may be empty (nothing usable was
// asked for). It never carries the marker.
std::string UnknownWordPage(std::string_view word);
// The word page: the words beginning with the typed letters, each with its glosses.
std::string WordPage(std::string_view letters, const std::vector<DictionaryWord>& words);
std::string HelpPage();
std::string NotFoundPage();

}  // namespace kellavor::dictsite
