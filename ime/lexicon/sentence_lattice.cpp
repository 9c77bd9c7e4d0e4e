#include "ime/lexicon/sentence_lattice.h"

#include <algorithm>
#include <limits>

namespace kellavor::lexicon {
namespace {

constexpr int64_t kUnreached = std::numeric_limits<int64_t>::max();

}  // namespace

std::vector<uint32_t> SentencePathSearch::BestPath(std::span<const LatticeEdge> edges, size_t letterCount,
                                                   uint32_t boundary, const PairCost& pairCost, size_t beam,
                                                   const PairHint& hint) {
  if (boundary != boundary_ || beam != beam_) kept_ = 0;
  boundary_ = boundary;
  beam_ = beam;
  GroupByEnd(edges, letterCount);
  if (positions_.size() < letterCount + 1) positions_.resize(letterCount + 1);

  // A kept state holds while the edges ending at its position are those of the last search and
  // the states they start from hold; a state scored again that comes out as before (the beam, its
  // costs and words) leaves the states after it holding.
  changed_.assign(letterCount + 1, 0);
  reused_ = 0;
  for (size_t p = 1; p <= letterCount; ++p) {
    Position& at = positions_[p];
    const std::span<const uint32_t> ending = EndingAt(p);
    const auto same = [&](uint32_t e, const LatticeEdge& edge) { return edges[e] == edge; };
    const bool known = p <= kept_ && std::equal(ending.begin(), ending.end(), at.ending.begin(), at.ending.end(), same);
    const bool moved = std::any_of(ending.begin(), ending.end(), [&](uint32_t e) { return changed_[edges[e].start] != 0; });
    if (known && !moved) {
      ++reused_;
      continue;
    }
    // The positions after read only the beam: the words in it and their costs.
    const bool scored = p <= kept_;
    if (scored) TakeOutcome(at);
    if (hint) Hint(edges, p, boundary, hint);
    Score(at, edges, p, boundary, pairCost, beam);
    changed_[p] = scored && SameOutcome(at) ? 0 : 1;
  }
  kept_ = letterCount;

  size_t furthest = letterCount;
  while (furthest > 0 && positions_[furthest].arrived.empty()) --furthest;
  std::vector<uint32_t> path;
  if (furthest == 0) return path;
  for (EdgeAt at{static_cast<uint32_t>(furthest), positions_[furthest].arrived.front()}; at.position != 0;
       at = positions_[at.position].before[at.index]) {
    path.push_back(EndingAt(at.position)[at.index]);
  }
  std::reverse(path.begin(), path.end());
  return path;
}

void SentencePathSearch::GroupByEnd(std::span<const LatticeEdge> edges, size_t letterCount) {
  const auto used = [&](const LatticeEdge& edge) { return edge.start < edge.end && edge.end <= letterCount; };
  first_.assign(letterCount + 2, 0);
  for (const LatticeEdge& edge : edges) {
    if (used(edge)) ++first_[edge.end + 1u];
  }
  for (size_t p = 1; p < first_.size(); ++p) first_[p] += first_[p - 1];
  order_.resize(first_.back());
  next_.assign(first_.begin(), first_.end() - 1);
  for (uint32_t e = 0; e < edges.size(); ++e) {
    if (used(edges[e])) order_[next_[edges[e].end]++] = e;
  }
}

void SentencePathSearch::TakeOutcome(const Position& at) {
  outcome_.clear();
  for (const uint32_t i : at.arrived) outcome_.push_back({i, at.best[i], at.ending[i].word});
}

bool SentencePathSearch::SameOutcome(const Position& at) const {
  const auto same = [&](uint32_t i, const Arrival& arrival) {
    return i == arrival.index && at.best[i] == arrival.best && at.ending[i].word == arrival.word;
  };
  return std::equal(at.arrived.begin(), at.arrived.end(), outcome_.begin(), outcome_.end(), same);
}

// The pairs Score asks for at p: each known word ending there after the words of the beam where it
// starts.
void SentencePathSearch::Hint(std::span<const LatticeEdge> edges, size_t p, uint32_t boundary,
                              const PairHint& hint) const {
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
// first cheapest previous word wins), then the beam of p: the reached edges, cheapest first with
// equal costs in edge order.
void SentencePathSearch::Score(Position& at, std::span<const LatticeEdge> edges, size_t p, uint32_t boundary,
                               const PairCost& pairCost, size_t beam) {
  at.ending.clear();
  at.best.clear();
  at.before.clear();
  at.arrived.clear();
  for (const uint32_t e : EndingAt(p)) {
    const LatticeEdge& edge = edges[e];
    const auto wordCost = [&](uint32_t previous) -> int64_t {
      return edge.cost + (edge.word == kUnknownWord ? 0 : pairCost(previous, edge.word));
    };
    int64_t best = kUnreached;
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
  // Inserted in order, after the equal ones; a word pushed out of the beam never comes back.
  for (uint32_t i = 0; i < at.best.size(); ++i) {
    if (at.best[i] == kUnreached) continue;
    auto place = at.arrived.end();
    while (place != at.arrived.begin() && at.best[*(place - 1)] > at.best[i]) --place;
    if (place - at.arrived.begin() >= static_cast<ptrdiff_t>(beam)) continue;
    at.arrived.insert(place, i);
    if (at.arrived.size() > beam) at.arrived.pop_back();
  }
}

}  // namespace kellavor::lexicon
