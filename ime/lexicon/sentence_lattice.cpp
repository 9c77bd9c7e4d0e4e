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

  // The kept states hold while the edges ending at each position are those of the last search.
  size_t p = 1;
  for (; p <= std::min(kept_, letterCount); ++p) {
    const std::span<const uint32_t> ending = EndingAt(p);
    const std::vector<LatticeEdge>& known = positions_[p].ending;
    const auto same = [&](uint32_t e, const LatticeEdge& edge) { return edges[e] == edge; };
    if (!std::equal(ending.begin(), ending.end(), known.begin(), known.end(), same)) break;
  }
  reused_ = p - 1;
  for (; p <= letterCount; ++p) {
    if (hint) Hint(edges, p, boundary, hint);
    Score(positions_[p], edges, p, boundary, pairCost, beam);
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
  for (uint32_t i = 0; i < at.best.size(); ++i) {
    if (at.best[i] == kUnreached) continue;
    auto place = at.arrived.end();
    while (place != at.arrived.begin() && at.best[*(place - 1)] > at.best[i]) --place;
    at.arrived.insert(place, i);
  }
  if (at.arrived.size() > beam) at.arrived.resize(beam);
}

}  // namespace kellavor::lexicon
