#include "ime/lexicon/sentence_lattice.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace kellavor::lexicon {
namespace {

constexpr int64_t kUnreached = std::numeric_limits<int64_t>::max();
constexpr uint32_t kNoEdge = 0xFFFFFFFF;

// The edges grouped by a letter position, each group in edge order: group p is
// order[first[p], first[p + 1]).
struct EdgeGroups {
  std::vector<uint32_t> first;
  std::vector<uint32_t> order;

  template <typename PositionOf>
  EdgeGroups(std::span<const LatticeEdge> edges, size_t letterCount, const std::vector<bool>& used,
             const PositionOf& positionOf)
      : first(letterCount + 2, 0) {
    for (uint32_t e = 0; e < edges.size(); ++e) {
      if (used[e]) ++first[positionOf(edges[e]) + 1];
    }
    for (size_t p = 1; p < first.size(); ++p) first[p] += first[p - 1];
    order.resize(first.back());
    std::vector<uint32_t> next(first.begin(), first.end() - 1);
    for (uint32_t e = 0; e < edges.size(); ++e) {
      if (used[e]) order[next[positionOf(edges[e])]++] = e;
    }
  }

  std::span<const uint32_t> At(size_t p) const { return {order.data() + first[p], order.data() + first[p + 1]}; }
};

}  // namespace

std::vector<uint32_t> BestSentencePath(std::span<const LatticeEdge> edges, size_t letterCount, uint32_t boundary,
                                       const PairCost& pairCost, size_t beam) {
  // Edges by the letter they start at and the letter they end at; the best cost of a path ending
  // with each edge and the edge before it on that path.
  std::vector<bool> used(edges.size());
  for (uint32_t e = 0; e < edges.size(); ++e) used[e] = edges[e].start < edges[e].end && edges[e].end <= letterCount;
  const EdgeGroups starting(edges, letterCount, used, [](const LatticeEdge& edge) { return edge.start; });
  const EdgeGroups ending(edges, letterCount, used, [](const LatticeEdge& edge) { return edge.end; });
  std::vector<int64_t> best(edges.size(), kUnreached);
  std::vector<uint32_t> before(edges.size(), kNoEdge);
  const auto wordCost = [&](uint32_t previous, const LatticeEdge& edge) -> int64_t {
    return edge.cost + (edge.word == kUnknownWord ? 0 : pairCost(previous, edge.word));
  };
  for (const uint32_t e : starting.At(0)) best[e] = wordCost(boundary, edges[e]);

  size_t furthest = 0;
  uint32_t furthestFirst = kNoEdge;
  std::vector<uint32_t> arrived;
  for (size_t p = 1; p <= letterCount; ++p) {
    // The reached edges ending here, cheapest first (equal costs in edge order), cut to the beam.
    arrived.clear();
    for (const uint32_t e : ending.At(p)) {
      if (best[e] == kUnreached) continue;
      auto at = arrived.end();
      while (at != arrived.begin() && best[*(at - 1)] > best[e]) --at;
      arrived.insert(at, e);
    }
    if (arrived.empty()) continue;
    furthest = p;
    furthestFirst = arrived.front();
    if (arrived.size() > beam) arrived.resize(beam);
    for (const uint32_t next : starting.At(p)) {
      for (const uint32_t previous : arrived) {
        const int64_t cost = best[previous] + wordCost(edges[previous].word, edges[next]);
        if (cost < best[next]) {
          best[next] = cost;
          before[next] = previous;
        }
      }
    }
  }
  std::vector<uint32_t> path;
  if (furthest == 0) return path;
  for (uint32_t e = furthestFirst; e != kNoEdge; e = before[e]) path.push_back(e);
  std::reverse(path.begin(), path.end());
  return path;
}

}  // namespace kellavor::lexicon
