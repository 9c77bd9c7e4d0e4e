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

  bool operator==(const LatticeEdge&) const = default;
};

// The cost of word after previous (previous may be the boundary or kUnknownWord; word is known).
using PairCost = std::function<int32_t(uint32_t previous, uint32_t word)>;
// Told every pair a letter position will ask pairCost for before it asks, so that the costs not
// at hand can be fetched together rather than one after the other.
using PairHint = std::function<void(uint32_t previous, uint32_t word)>;

// The path search, keeping the states of the letter positions from one search to the next. The
// state at a letter position (the best cost of every word ending there and the beam of the
// cheapest) depends only on the edges ending there, in their order, and on the beams (their
// words and costs) of the positions where those edges start. Typing appends letters: the words
// ending at the first positions stay as they were, and a position is scored again only where the
// edges ending there differ or a beam they start from came out differently.
class SentencePathSearch {
 public:
  // The edges of the cheapest path from letter 0 to the furthest letter any path reaches, in order.
  // Empty when no edge starts at letter 0. Edges past letterCount are ignored. pairCost must give
  // the same costs as at the searches before, until Forget.
  std::vector<uint32_t> BestPath(std::span<const LatticeEdge> edges, size_t letterCount, uint32_t boundary,
                                 const PairCost& pairCost, size_t beam, const PairHint& hint = {});
  // Forgets the kept states.
  void Forget() { kept_ = 0; }
  // Letter positions whose states the last search took from the one before, not scored again.
  size_t ReusedPositions() const { return reused_; }

 private:
  // An edge ending at a position, by that position and its place among the edges ending there.
  struct EdgeAt {
    uint32_t position = 0;
    uint32_t index = 0;
  };
  struct Position {
    std::vector<LatticeEdge> ending;  // the edges ending here, in edge order
    std::vector<int64_t> best;        // the best cost of a path ending with each
    std::vector<EdgeAt> before;       // the edge before each on that path
    std::vector<uint32_t> arrived;    // the reached ones, cheapest first, cut to the beam
  };

  // What the positions after a state read of it: each word of its beam, with its best cost.
  struct Arrival {
    uint32_t index = 0;
    int64_t best = 0;
    uint32_t word = 0;
  };

  // Keeps the beam of at before it is scored again; whether it came out the same.
  void TakeOutcome(const Position& at);
  bool SameOutcome(const Position& at) const;
  // Groups the edges used under letterCount by their end positions, in edge order.
  void GroupByEnd(std::span<const LatticeEdge> edges, size_t letterCount);
  std::span<const uint32_t> EndingAt(size_t p) const {
    return {order_.data() + first_[p], order_.data() + first_[p + 1]};
  }
  void Hint(std::span<const LatticeEdge> edges, size_t p, uint32_t boundary, const PairHint& hint) const;
  void Score(Position& at, std::span<const LatticeEdge> edges, size_t p, uint32_t boundary, const PairCost& pairCost,
             size_t beam);

  std::vector<Position> positions_;  // by letter position; 0 unused
  size_t kept_ = 0;                  // positions 1 to kept_ hold the states of the last search
  size_t reused_ = 0;
  uint32_t boundary_ = 0;
  size_t beam_ = 0;
  std::vector<uint32_t> first_;
  std::vector<uint32_t> order_;
  std::vector<uint32_t> next_;
  std::vector<uint8_t> changed_;  // by position: scored again with another beam, or new
  std::vector<Arrival> outcome_;
};

}  // namespace kellavor::lexicon
