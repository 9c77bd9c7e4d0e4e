// The best sentence through a lattice of words over the typed letters: every edge is one word
// covering the letters [start, end), and a path's cost is the sum of the edges' own costs and of
// the language model's cost of each word after the one before it (the clause boundary before the
// first). The search runs left to right over the letter positions and keeps, at each position, the
// best `beam` words ending there (a Viterbi search over word pairs, pruned to a beam).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <span>
#include <vector>

namespace kellavor::lexicon {

// A word the language model does not know: its edge cost is its whole cost, and the word after it
// is scored on its own.
inline constexpr uint32_t kUnknownWord = 0xFFFFFFFF;
// The best cost of an edge no path reaches.
inline constexpr int64_t kUnreachedCost = std::numeric_limits<int64_t>::max();

struct LatticeEdge {
  uint16_t start = 0;  // first letter covered
  uint16_t end = 0;    // the letter after the last one covered; more than start
  int32_t cost = 0;    // the edge's own cost: penalties, or the whole cost of an unknown word
  uint32_t word = kUnknownWord;

  bool operator==(const LatticeEdge&) const = default;
};

// The cost of word after previous (previous may be the boundary or kUnknownWord; word is known).
using PairCost = std::function<int32_t(uint32_t previous, uint32_t word)>;
// A hint is told every pair a letter position will ask the pair cost for before it asks, so that
// the costs not at hand can be fetched together rather than one after the other. This one does
// nothing.
struct NoPairHint {
  void operator()(uint32_t, uint32_t) const {}
};

// The path search, keeping the states of the letter positions from one search to the next. The
// state at a letter position (the best cost of every word ending there and the beam of the
// cheapest) depends only on the edges ending there, in their order, and on the beams (their
// words and costs) of the positions where those edges start. Typing appends letters: the words
// ending at the first positions stay as they were, and a position is scored again only where the
// edges ending there differ or a beam they start from came out differently.
class SentencePathSearch {
 public:
  // The edges of the cheapest path from letter 0 to the furthest letter any path reaches, in order.
  // Empty when no edge starts at letter 0. Edges past letterCount are ignored. pairCost(previous,
  // word) must give the same costs as at the searches before, until Forget; hint(previous, word)
  // as for NoPairHint. Both are called in place: the search asks for hundreds of pairs per key.
  template <typename Cost, typename Hint = NoPairHint>
  std::vector<uint32_t> BestPath(std::span<const LatticeEdge> edges, size_t letterCount, uint32_t boundary,
                                 const Cost& pairCost, size_t beam, const Hint& hint = {});
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

  // Prepares a search: groups the edges by their end positions and sizes the states.
  void Begin(std::span<const LatticeEdge> edges, size_t letterCount, uint32_t boundary, size_t beam);
  // Whether the state at p holds as kept: the same edges end there and the beams they start from
  // came out as before.
  bool Holds(std::span<const LatticeEdge> edges, size_t p) const;
  // The path to the furthest reached position, once every position is scored.
  std::vector<uint32_t> End(size_t letterCount);
  // Keeps the beam of at before it is scored again; whether it came out the same.
  void TakeOutcome(const Position& at);
  bool SameOutcome(const Position& at) const;
  // Groups the edges used under letterCount by their end positions, in edge order.
  void GroupByEnd(std::span<const LatticeEdge> edges, size_t letterCount);
  std::span<const uint32_t> EndingAt(size_t p) const {
    return {order_.data() + first_[p], order_.data() + first_[p + 1]};
  }
  template <typename Hint>
  void HintPairs(std::span<const LatticeEdge> edges, size_t p, uint32_t boundary, const Hint& hint) const;
  template <typename Cost>
  void Score(Position& at, std::span<const LatticeEdge> edges, size_t p, uint32_t boundary, const Cost& pairCost,
             size_t beam);
  // The beam of at from its best costs: the reached edges, cheapest first with equal costs in edge
  // order.
  static void FillBeam(Position& at, size_t beam);

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

template <typename Cost, typename Hint>
std::vector<uint32_t> SentencePathSearch::BestPath(std::span<const LatticeEdge> edges, size_t letterCount,
                                                   uint32_t boundary, const Cost& pairCost, size_t beam,
                                                   const Hint& hint) {
  Begin(edges, letterCount, boundary, beam);
  for (size_t p = 1; p <= letterCount; ++p) {
    if (Holds(edges, p)) {
      ++reused_;
      continue;
    }
    // The positions after read only the beam: the words in it and their costs.
    Position& at = positions_[p];
    const bool scored = p <= kept_;
    if (scored) TakeOutcome(at);
    HintPairs(edges, p, boundary, hint);
    Score(at, edges, p, boundary, pairCost, beam);
    changed_[p] = scored && SameOutcome(at) ? 0 : 1;
  }
  return End(letterCount);
}

// The pairs Score asks for at p: each known word ending there after the words of the beam where it
// starts.
template <typename Hint>
void SentencePathSearch::HintPairs(std::span<const LatticeEdge> edges, size_t p, uint32_t boundary,
                                   const Hint& hint) const {
  for (const uint32_t e : EndingAt(p)) {
    const LatticeEdge& edge = edges[e];
    if (edge.word == kUnknownWord) continue;
    if (edge.start == 0) {
      hint(boundary, edge.word);
      continue;
    }
    const Position& from = positions_[edge.start];
    for (const uint32_t i : from.arrived) hint(from.ending[i].word, edge.word);
  }
}

// The best cost of every edge ending at p, from the beams of the positions where they start (the
// first cheapest previous word wins), then the beam of p.
template <typename Cost>
void SentencePathSearch::Score(Position& at, std::span<const LatticeEdge> edges, size_t p, uint32_t boundary,
                               const Cost& pairCost, size_t beam) {
  at.ending.clear();
  at.best.clear();
  at.before.clear();
  for (const uint32_t e : EndingAt(p)) {
    const LatticeEdge& edge = edges[e];
    const auto wordCost = [&](uint32_t previous) -> int64_t {
      return edge.cost + (edge.word == kUnknownWord ? 0 : pairCost(previous, edge.word));
    };
    int64_t best = kUnreachedCost;
    EdgeAt before;
    if (edge.start == 0) {
      best = wordCost(boundary);
    } else {
      const Position& from = positions_[edge.start];
      for (const uint32_t i : from.arrived) {
        const int64_t cost = from.best[i] + wordCost(from.ending[i].word);
        if (cost < best) {
          best = cost;
          before = {edge.start, i};
        }
      }
    }
    at.ending.push_back(edge);
    at.best.push_back(best);
    at.before.push_back(before);
  }
  FillBeam(at, beam);
}

}  // namespace kellavor::lexicon
