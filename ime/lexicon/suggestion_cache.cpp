#include "ime/lexicon/suggestion_cache.h"

#include <algorithm>
#include <utility>

namespace kellavor::lexicon {

const std::vector<std::u16string>* SuggestionCache::Find(std::u16string_view word) {
  const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.word == word; });
  if (found == entries_.end()) return nullptr;
  std::rotate(entries_.begin(), found, found + 1);
  return &entries_.front().suggestions;
}

void SuggestionCache::Store(std::u16string word, std::vector<std::u16string> suggestions) {
  if (capacity_ == 0) return;
  const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.word == word; });
  if (found != entries_.end()) {
    entries_.erase(found);
  } else if (entries_.size() >= capacity_) {
    entries_.pop_back();
  }
  entries_.insert(entries_.begin(), Entry{std::move(word), std::move(suggestions)});
}

}  // namespace kellavor::lexicon
