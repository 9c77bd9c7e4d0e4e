// The keys of the German word index one edit away from a folded input: a letter dropped, added
// or replaced, two neighbouring letters swapped, or f written for ph, k for ch. They are the
// German search's own corrections, found by binary searches of the sorted key index, and they are
// kept from keystroke to keystroke: the one-edit variants of the typed letters that begin some key
// are the variants of the letters before, each followed by the new letter, plus the few variants
// that involve the new letter, so appending a letter narrows the ranges kept for the input before
// instead of searching again.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "ime/lexicon/key_range.h"
#include "ime/lexicon/system_dictionaries.h"

namespace kellavor::lexicon {

// What the index holds near a folded input.
struct NearKeyMatches {
  // The index ranges of the keys one edit from the input (each range the entries of one key;
  // ascending, no two alike).
  std::vector<KeyRange> words;
  // Whether some key begins with the input or with one of its one-edit variants.
  bool begins = false;
};

class NearKeys {
 public:
  // The matches of folded in the word key index of dictionaries. The work for the longest prefix
  // shared with the previous input (of the same dictionaries) is used again.
  NearKeyMatches Find(const SystemDictionaries& dictionaries, std::u16string_view folded);

  // Drops what is kept.
  void Forget();

 private:
  // The entries of the key index that begin with one variant, and the variant's length.
  struct Variant {
    KeyRange range;
    uint32_t length = 0;
  };
  // What is known after one more unit of the input: the entries beginning with the input so far,
  // and those beginning with each of its one-edit variants that some key begins with (a variant
  // that only adds a letter at the end begins no key the input itself does not begin).
  struct Step {
    char16_t unit = 0;
    KeyRange exact;
    std::vector<Variant> variants;
  };

  Step Extend(const SystemDictionaries& dictionaries, char16_t unit) const;

  const uint8_t* firstRecord_ = nullptr;  // which key index the steps were taken in
  uint32_t indexSize_ = 0;
  std::vector<Step> steps_;  // steps_[i]: after the first i + 1 units of the kept input
};

}  // namespace kellavor::lexicon
