// What the pinyin search keeps from one keystroke to the next. Typing appends a letter to the
// input, and most of the new search asks what the last one asked: the same segmentation (the
// candidate search and the sentence both split the same text), the characters of the same first
// syllable, and the phrases of the same first syllable while the syllables after it grow. Each
// answer depends only on its key, the mapped system dictionaries and the fuzzy pairs, so a kept
// answer is the answer the search would compute again; everything is forgotten when the pairs are
// loaded or the phrase table is released. Learned entries are never kept (the shared user block
// may change at any moment): a kept list is used only when no learned entry matches.
#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ime/lexicon/candidate.h"
#include "ime/lexicon/kept_ranking.h"
#include "ime/lexicon/segmentation.h"
#include "ime/lexicon/syllable_item.h"

namespace kellavor::lexicon {

// A small set of kept answers under a key (Hash hashes it); when full, the answer used least
// recently goes. The answers are kept in the order of their use, so that finding the one to drop
// does not walk them all (the searches add answers at most keys).
template <typename Key, typename Answer, typename Hash = std::hash<Key>>
class KeptAnswers {
 public:
  explicit KeptAnswers(size_t capacity) : capacity_(capacity) {}

  // The answer of key, now the most recently used; valid until the next Add or Clear.
  const Answer* Find(const Key& key) {
    const auto found = entries_.find(key);
    if (found == entries_.end()) return nullptr;
    uses_.splice(uses_.begin(), uses_, found->second.use);
    return &found->second.answer;
  }

  // Room for the answer of a key not found; the reference stays valid until the next Add or Clear.
  // A full set gives the room of its least recently used answer: its node and key are used again.
  Answer& Add(const Key& key) {
    typename Entries::iterator added;
    if (!entries_.empty() && entries_.size() >= capacity_) {
      auto node = entries_.extract(*uses_.back());
      uses_.pop_back();
      node.key() = key;
      node.mapped() = Entry{};
      added = entries_.insert(std::move(node)).position;
    } else {
      added = entries_.insert_or_assign(key, Entry{}).first;
    }
    uses_.push_front(&added->first);
    added->second.use = uses_.begin();
    return added->second.answer;
  }

  void Clear() {
    entries_.clear();
    uses_.clear();
  }

 private:
  struct Entry {
    Answer answer;
    typename std::list<const Key*>::iterator use;
  };
  using Entries = std::unordered_map<Key, Entry, Hash>;
  size_t capacity_;
  std::list<const Key*> uses_;  // the keys of the entries, the most recently used first
  Entries entries_;
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
  struct Hash {
    size_t operator()(const PhraseHeadKey& key) const {
      return std::hash<std::u16string_view>()(key.first.view()) ^ (size_t{key.secondLetter} << 8) ^ key.mask;
    }
  };
};

// The phrases matching the first typed syllables (two or more, their letters each followed by a
// separator) under a class mask: positions of the phrase initials index, in the order of the
// phrase heads.
struct PhrasePrefixKey {
  std::u16string letters;
  uint8_t mask = 0;

  bool operator==(const PhrasePrefixKey& other) const { return letters == other.letters && mask == other.mask; }
  struct Hash {
    size_t operator()(const PhrasePrefixKey& key) const { return std::hash<std::u16string>()(key.letters) ^ key.mask; }
  };
};

// The characters of one typed syllable under a class mask, as CharSearch appends them.
struct CharKey {
  SyllableItem syllable;
  uint8_t mask = 0;

  bool operator==(const CharKey& other) const { return syllable.view() == other.syllable.view() && mask == other.mask; }
  struct Hash {
    size_t operator()(const CharKey& key) const {
      return std::hash<std::u16string_view>()(key.syllable.view()) ^ key.mask;
    }
  };
};

// The ranked candidates of an input that is one syllable (the first keys of every word), under
// the class mask of the search: the characters of a lone initial are hundreds, deduplicated and
// ranked. Kept only for inputs no learned entry matches.
struct OneSyllableKey {
  std::u16string text;
  uint8_t mask = 0;

  bool operator==(const OneSyllableKey& other) const { return text == other.text && mask == other.mask; }
  struct Hash {
    size_t operator()(const OneSyllableKey& key) const { return std::hash<std::u16string>()(key.text) ^ key.mask; }
  };
};

// The two readings of the last text split.
struct KeptSplit {
  std::u16string text;
  std::vector<SyllableItem> main;
  std::vector<SyllableItem> alternative;
};

struct SearchReuse {
  static constexpr size_t kPhraseHeads = 64;
  static constexpr size_t kPhrasePrefixes = 128;
  static constexpr size_t kCharacters = 64;
  // A list of characters takes four bytes a candidate: 128 lists hold about as much as 32 lists
  // of full candidates did (80 KB after long typing), and keep the lists of the first letters,
  // which are typed again and again and cost the most to rank again.
  static constexpr size_t kOneSyllableInputs = 128;

  void Forget() {
    phraseHeads.Clear();
    phrasePrefixes.Clear();
    characters.Clear();
    oneSyllable.Clear();
    splitKept = false;
    readings = Readings{};
  }

  KeptAnswers<PhraseHeadKey, std::vector<uint32_t>, PhraseHeadKey::Hash> phraseHeads{kPhraseHeads};
  KeptAnswers<PhrasePrefixKey, std::vector<uint32_t>, PhrasePrefixKey::Hash> phrasePrefixes{kPhrasePrefixes};
  KeptAnswers<CharKey, std::vector<Candidate>, CharKey::Hash> characters{kCharacters};
  KeptAnswers<OneSyllableKey, KeptRanking, OneSyllableKey::Hash> oneSyllable{kOneSyllableInputs};
  bool splitKept = false;
  KeptSplit split;
  Readings readings;  // of the text split last, with the phrase test's answers
};

}  // namespace kellavor::lexicon
