// Text conversion between the engine's UTF-16 and the byte strings of a spelling dictionary, in
// the encoding the dictionary declares (its affix file's SET line). Using the dictionary's own
// encoding instead of the system's ANSI code page keeps umlauts intact on every system: a Chinese
// ANSI code page has no ä, ö, ü or ß.
#pragma once

#include <string>
#include <string_view>

namespace kellavor::lexicon {

enum class DictionaryEncoding {
  kUtf8,
  kLatin1,  // ISO 8859-1, also the speller's default when a dictionary declares nothing
  kLatin9,  // ISO 8859-15: Latin-1 with the euro sign, Š, š, Ž, ž, Œ, œ and Ÿ
  kAscii,   // any other encoding: only ASCII passes, everything else becomes '?'
};

// The encoding for a name as the speller reports it ("UTF-8", "ISO8859-1", "ISO-8859-15", ...);
// case, hyphens and underscores do not matter.
DictionaryEncoding DictionaryEncodingFromName(std::string_view name);

// Characters the encoding cannot represent become '?', one for each character (a surrogate pair
// is one character).
std::string EncodeForDictionary(std::u16string_view text, DictionaryEncoding encoding);

// Ill-formed UTF-8 becomes U+FFFD; bytes an ASCII-only reading cannot place become '?'.
std::u16string DecodeFromDictionary(std::string_view bytes, DictionaryEncoding encoding);

}  // namespace kellavor::lexicon
