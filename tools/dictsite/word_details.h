// What the shipped German dictionary holds about a word, gathered for the dictionary site's pages:
// the word, its Chinese glosses, its frequency, its spelling variants (words with the same search
// key) and the words that begin with it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ime/lexicon/system_dictionaries.h"

namespace kellavor::dictsite {

struct DictionaryWord {
  std::string word;                 // UTF-8
  std::vector<std::string> glosses;  // the hint's alternatives, UTF-8, empty ones left out
  uint32_t frequency = 0;

  friend bool operator==(const DictionaryWord&, const DictionaryWord&) = default;
};

struct WordDetails {
  DictionaryWord entry;
  std::vector<std::string> variants;   // other words of the same key, most frequent first
  std::vector<std::string> longer;     // words whose key begins with the word's key, most frequent first
};

// How many variants and longer words a page lists.
inline constexpr size_t kRelatedWords = 8;

// The word exactly as written (case-sensitive); none when the dictionary does not hold it. The
// word is only ever compared with the dictionary's records.
std::optional<WordDetails> LookUpWord(const lexicon::SystemDictionaries& dictionaries, std::u16string_view word);

// The words whose search key begins with the key of the typed letters (umlauts may be typed as
// plain vowels), most frequent first, at most limit of them.
std::vector<DictionaryWord> WordsBeginningWith(const lexicon::SystemDictionaries& dictionaries,
                                               std::u16string_view letters, size_t limit);

}  // namespace kellavor::dictsite
