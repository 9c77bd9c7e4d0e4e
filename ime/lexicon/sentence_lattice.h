// The best sentence through a lattice of words over the typed letters: every edge is one word
// covering the letters [start, end), and a path's cost is the sum of the edges' own costs and of
// the language model's cost of each word after the one before it (the clause boundary before the
// first). The search runs left to right over the letter positions and keeps, at each position, the
// best `beam` words ending there (a Viterbi search over word pairs, pruned to a beam).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace kellavor::lexicon {

// A word the language model does not know: its edge cost is its whole cost, and the word after it
// is scored on its own.
inline constexpr uint32_t kUnknownWord = 0xFFFFFFFF;

struct LatticeEdge {
  uint16_t start = 0;  // first letter covered
  uint16_t end = 0;    // the letter after the last one covered; more than start
  int32_t cost = 0;    // the edge's own cost: penalties, or the whole cost of an unknown word
  uint32_t word = kUnknownWord;
};

// The cost of word after previous (previous may be the boundary or kUnknownWord; word is known).
using PairCost = std::function<int32_t(uint32_t previous, uint32_t word)>;

// The edges of the cheapest path from letter 0 to the furthest letter any path reaches, in order.
// Empty when no edge starts at letter 0. Edges past letterCount are ignored.
std::vector<uint32_t> BestSentencePath(std::span<const LatticeEdge> edges, size_t letterCount, uint32_t boundary,
                                       const PairCost& pairCost, size_t beam);

}  // namespace kellavor::lexicon
