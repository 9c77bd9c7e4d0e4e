// The search key of a German word: what the dictionary sorts by and what typed input is compared
// with, so that plain letters find umlauts and ss finds ß.
#pragma once

#include <string>
#include <string_view>

namespace kellavor::lexicon {

// Each unit, left to right: ASCII capitals are lowered (nothing else changes case); the accented
// Latin-1 vowels à á â ä è é ê ë í î ï ó ô ö ù û ü lose their accent, the question mark becomes u
// (an umlaut that the ANSI code page could not represent), ç c, ñ n, æ ae, ß ss, œ oe, the
// quotation marks U+2018 and U+2019 the apostrophe; any other unit from U+0101 to U+07CF is
// removed. Everything else stays, the capital umlauts among it (Ärger folds to Ärger).
std::u16string FoldGermanKey(std::u16string_view text);

}  // namespace kellavor::lexicon
