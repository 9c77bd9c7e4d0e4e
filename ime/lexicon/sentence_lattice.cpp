#include "ime/lexicon/sentence_lattice.h"

#include <algorithm>

namespace kellavor::lexicon {

void SentencePathSearch::Begin(std::span<const LatticeEdge> edges, size_t letterCount, uint32_t boundary,
                               size_t beam) {
  if (boundary != boundary_ || beam != beam_) kept_ = 0;
  boundary_ = boundary;
  beam_ = beam;
  GroupByEnd(edges, letterCount);
  if (positions_.size() < letterCount + 1) positions_.resize(letterCount + 1);
  changed_.assign(letterCount + 1, 0);
  reused_ = 0;
}

// A kept state holds while the edges ending at its position are those of the last search and the
// states they start from hold; a state scored again that comes out as before (the beam, its costs
// and words) leaves the states after it holding.
bool SentencePathSearch::Holds(std::span<const LatticeEdge> edges, size_t p) const {
  const Position& at = positions_[p];
  const std::span<const uint32_t> ending = EndingAt(p);
  const auto same = [&](uint32_t e, const LatticeEdge& edge) { return edges[e] == edge; };
  const bool known = p <= kept_ && std::equal(ending.begin(), ending.end(), at.ending.begin(), at.ending.end(), same);
  return known && std::none_of(ending.begin(), ending.end(), [&](uint32_t e) { return changed_[edges[e].start] != 0; });
}

std::vector<uint32_t> SentencePathSearch::End(size_t letterCount) {
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

void SentencePathSearch::FillBeam(Position& at, size_t beam) {
  at.arrived.clear();
  // Inserted in order, after the equal ones; a word pushed out of the beam never comes back.
  for (uint32_t i = 0; i < at.best.size(); ++i) {
    if (at.best[i] == kUnreachedCost) continue;
    auto place = at.arrived.end();
    while (place != at.arrived.begin() && at.best[*(place - 1)] > at.best[i]) --place;
    if (place - at.arrived.begin() >= static_cast<ptrdiff_t>(beam)) continue;
    at.arrived.insert(place, i);
    if (at.arrived.size() > beam) at.arrived.pop_back();
  }
}

}  // namespace kellavor::lexicon
