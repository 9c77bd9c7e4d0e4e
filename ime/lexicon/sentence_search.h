// The lattice of the sentence search: every character and phrase of the system dictionaries and
// every learned entry that matches a stretch of the typed syllables (main and alternative reading,
// the same matching and fuzzy rules as the candidate search), scored by the language model and the
// dictionaries' frequencies, and the best path through it.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "ime/core/grow_array.h"
#include "ime/lexicon/candidate.h"
#include "ime/lexicon/language_model.h"
#include "ime/lexicon/sentence_lattice.h"

namespace kellavor::lexicon {

class Lexicon;

// Reused from search to search, so that typing allocates nothing once the lists have grown.
struct SentenceScratch {
  SentenceScratch();

  core::GrowArray main;
  core::GrowArray alternative;
  core::GrowArray found;
  std::vector<LatticeEdge> edges;
  std::vector<Candidate> pieces;  // the candidate behind each edge
};

// The candidates of the best sentence for text, in order; empty when no word matches its start.
// Words of the sentence come from the characters and phrases of class mask 1.
std::vector<Candidate> FindBestSentence(Lexicon& lexicon, const LanguageModelView& model, std::u16string_view text,
                                        bool withUser, SentenceScratch& scratch);

}  // namespace kellavor::lexicon
