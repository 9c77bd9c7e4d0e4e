// The speller's most recent answers, so that typing, backspacing and retyping a word does not
// ask the speller again for inputs it has just answered. Bounded: the least recently used input
// is dropped when a new one does not fit.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kellavor::lexicon {

class SuggestionCache {
 public:
  // A capacity of 0 keeps nothing.
  explicit SuggestionCache(size_t capacity) : capacity_(capacity) {}

  // The suggestions stored for word, or null. A hit counts as a use. The pointer stays valid
  // until the next Store or Clear.
  const std::vector<std::u16string>* Find(std::u16string_view word);

  void Store(std::u16string word, std::vector<std::u16string> suggestions);
  void Clear() { entries_.clear(); }
  size_t size() const { return entries_.size(); }

 private:
  struct Entry {
    std::u16string word;
    std::vector<std::u16string> suggestions;
  };

  size_t capacity_;
  std::vector<Entry> entries_;  // most recently used first
};

}  // namespace kellavor::lexicon
