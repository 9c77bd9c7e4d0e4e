// The lattice of the sentence search: the characters and phrases of the system dictionaries and the
// learned entries that match a stretch of the typed syllables (main and alternative reading, the
// same matching and fuzzy rules as the candidate search), scored by the language model and the
// dictionaries' frequencies, and the best path through it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "ime/base/grow_array.h"
#include "ime/lexicon/candidate.h"
#include "ime/lexicon/language_model.h"
#include "ime/lexicon/sentence_lattice.h"
#include "ime/lexicon/syllable_item.h"

namespace kellavor::lexicon {

class Lexicon;

// A word of the lattice before it is placed: its candidate and its edge with the letters relative
// to where it starts.
struct LatticeWord {
  Candidate candidate;
  LatticeEdge edge;
};

// The system characters chosen for one typed syllable. They depend on nothing but the syllable,
// the mapped dictionaries, the fuzzy pairs and the model, so they are kept from keystroke to
// keystroke (typing a sentence searches the same syllables again and again).
struct SyllableChoice {
  SyllableItem syllable;
  std::vector<LatticeWord> words;
};

// A remembered cost of a word pair; previous + 1, 0 for an empty entry.
struct PairCostEntry {
  uint32_t previous = 0;
  uint32_t word = 0;
  int32_t cost = 0;
};

// The edge of a system word lately placed, kept by its record: the same phrases and characters
// are chosen again at many positions and keys, and the model's lookup of a word's text reads
// memory far apart.
struct KeptEdge {
  const void* entry = nullptr;
  uint8_t extent = 0;  // a character's lookup step
  uint32_t word = 0;
  int32_t cost = 0;
};

// The system phrases chosen at a position: they depend on the typed syllables from there (as many
// as a lattice phrase may have), and are kept like the characters.
struct StretchChoice {
  std::vector<SyllableItem> syllables;
  std::vector<LatticeWord> words;
};

// Kept choices of one kind, found by a hash of their syllables: a table of open addressing holds
// the place of each (a search for a new key, which meets none of them, reads a slot or two instead
// of every kept hash).
template <typename Choice>
struct KeptChoices {
  std::vector<Choice> choices;
  std::vector<uint64_t> hashes;  // of each choice's syllables
  std::vector<uint32_t> slots;   // a choice's place + 1, 0 for an empty slot
  // Choices dropped with the older half, whose lists' storage new choices take over instead of
  // allocating their own.
  std::vector<Choice> dropped;
};

// Reused from search to search, so that typing allocates little once the lists have grown.
struct SentenceScratch {
  SentenceScratch();
  // Takes the room of the found list and the kept pair costs, on the first sentence: most
  // processes never assemble one.
  void Reserve();
  // Forgets the kept characters and pair costs: the dictionaries, the fuzzy pairs or the model
  // changed.
  void Forget();

  base::GrowArray main;
  base::GrowArray alternative;
  base::GrowArray found;
  std::vector<LatticeWord> words;
  std::vector<LatticeEdge> edges;
  std::vector<Candidate> pieces;  // the candidate behind each edge
  // Edges of the main reading are placed in the order of their start letters; shared[s] is the
  // range of those starting at letter s, which the alternative reading does not place again, and
  // the main syllable starting there.
  struct EdgeRange {
    uint32_t first = 0;
    uint32_t last = 0;
    size_t syllable = SIZE_MAX;
  };
  std::vector<EdgeRange> shared;
  KeptChoices<SyllableChoice> choices;
  KeptChoices<StretchChoice> stretches;
  // Where each syllable of a reading (main, alternative) found its characters and phrases in the
  // kept lists at the last search: typing a letter leaves the syllables before the last ones as
  // they were, and their lists are looked for there first.
  struct Hints {
    std::vector<size_t> characters;
    std::vector<size_t> stretches;
  };
  Hints hints[2];
  // The costs of the pairs scored lately, by a hash of the pair: the same pairs are scored again at
  // every keystroke, and the model's tables are too large to stay in the processor's caches.
  std::vector<PairCostEntry> pairCosts;
  std::vector<KeptEdge> edgesByRecord;
  // KeepSystemWords: the candidates in preference order, the words kept whose edges are computed
  // and their texts.
  std::vector<std::pair<uint64_t, uint32_t>> order;
  struct CharacterText {
    char16_t units[2];
  };
  std::vector<CharacterText> characters;
  std::vector<size_t> computed;
  std::vector<std::u16string_view> texts;
  // The path search's states of the letter positions the next letter leaves alone.
  SentencePathSearch paths;
};

// The candidates of the best sentence for text, in order; empty when no word matches its start.
// Words of the sentence come from the characters and phrases of class mask 1. Without reuse,
// nothing kept in scratch is used: the search computes everything again.
std::vector<Candidate> FindBestSentence(Lexicon& lexicon, const LanguageModelView& model, std::u16string_view text,
                                        bool withUser, bool reuse, SentenceScratch& scratch);

}  // namespace kellavor::lexicon
