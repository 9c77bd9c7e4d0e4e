// What the pinyin search keeps from one keystroke to the next. Typing appends a letter to the
// input, and most of the new search asks what the last one asked: the same segmentation (the
// candidate search and the sentence both split the same text), the characters of the same first
// syllable, and the phrases of the same first syllable while the syllables after it grow. Each
// answer depends only on its key, the mapped system dictionaries and the fuzzy pairs, so a kept
// answer is the answer the search would compute again; everything is forgotten when the pairs are
// loaded or the phrase table is released. Learned entries are never kept (the shared user block
// may change at any moment): a kept list is used only when no learned entry matches.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ime/lexicon/candidate.h"
#include "ime/lexicon/syllable_item.h"

namespace kellavor::lexicon {

// A small set of kept answers under a key; when full, the answer used least recently goes.
template <typename Key, typename Answer>
class KeptAnswers {
 public:
  explicit KeptAnswers(size_t capacity) : capacity_(capacity) {}

  // The answer of key, now the most recently used; valid until the next Find, Add or Clear.
  const Answer* Find(const Key& key) {
    for (size_t i = entries_.size(); i-- > 0;) {
      if (!(entries_[i].key == key)) continue;
      std::rotate(entries_.begin() + static_cast<ptrdiff_t>(i), entries_.begin() + static_cast<ptrdiff_t>(i) + 1,
                  entries_.end());
      return &entries_.back().answer;
    }
    return nullptr;
  }

  // Room for the answer of key; the reference stays valid until the next Find, Add or Clear.
  Answer& Add(const Key& key) {
    if (!entries_.empty() && entries_.size() >= capacity_) entries_.erase(entries_.begin());
    entries_.push_back({key, Answer{}});
    return entries_.back().answer;
  }

  void Clear() { entries_.clear(); }

 private:
  struct Entry {
    Key key;
    Answer answer;
  };
  size_t capacity_;
  std::vector<Entry> entries_;
};

// The phrases whose first syllable matches a typed first syllable, for the first letters of the
// second: positions of the phrase initials index, in the order the search visits them.
struct PhraseHeadKey {
  SyllableItem first;
  char16_t secondLetter = 0;
  uint8_t mask = 0;

  bool operator==(const PhraseHeadKey& other) const {
    return first.view() == other.first.view() && secondLetter == other.secondLetter && mask == other.mask;
  }
};

// The characters of one typed syllable under a class mask, as CharSearch appends them.
struct CharKey {
  SyllableItem syllable;
  uint8_t mask = 0;

  bool operator==(const CharKey& other) const { return syllable.view() == other.syllable.view() && mask == other.mask; }
};

// The ranked candidates of an input that is one syllable (the first keys of every word), under
// the class mask of the search: the characters of a lone initial are hundreds, deduplicated and
// ranked. Kept only for inputs no learned entry matches.
struct OneSyllableKey {
  std::u16string text;
  uint8_t mask = 0;

  bool operator==(const OneSyllableKey& other) const { return text == other.text && mask == other.mask; }
};

// The two readings of the last text split.
struct KeptSplit {
  std::u16string text;
  std::vector<SyllableItem> main;
  std::vector<SyllableItem> alternative;
};

struct SearchReuse {
  static constexpr size_t kPhraseHeads = 64;
  static constexpr size_t kCharacters = 64;
  static constexpr size_t kOneSyllableInputs = 32;

  void Forget() {
    phraseHeads.Clear();
    characters.Clear();
    oneSyllable.Clear();
    splitKept = false;
  }

  KeptAnswers<PhraseHeadKey, std::vector<uint32_t>> phraseHeads{kPhraseHeads};
  KeptAnswers<CharKey, std::vector<Candidate>> characters{kCharacters};
  KeptAnswers<OneSyllableKey, std::vector<Candidate>> oneSyllable{kOneSyllableInputs};
  bool splitKept = false;
  KeptSplit split;
};

}  // namespace kellavor::lexicon
