#include "ime/lexicon/sentence_lattice.h"

#include <algorithm>
#include <limits>

namespace kellavor::lexicon {
namespace {

constexpr int64_t kUnreached = std::numeric_limits<int64_t>::max();
constexpr uint32_t kNoEdge = 0xFFFFFFFF;

}  // namespace

std::vector<uint32_t> BestSentencePath(std::span<const LatticeEdge> edges, size_t letterCount, uint32_t boundary,
                                       const PairCost& pairCost, size_t beam) {
  // Edges by the letter they start at; the best cost of a path ending with each edge and the edge
  // before it on that path.
  std::vector<std::vector<uint32_t>> starting(letterCount + 1);
  std::vector<std::vector<uint32_t>> ending(letterCount + 1);
  for (uint32_t e = 0; e < edges.size(); ++e) {
    const LatticeEdge& edge = edges[e];
    if (edge.start < edge.end && edge.end <= letterCount) {
      starting[edge.start].push_back(e);
      ending[edge.end].push_back(e);
    }
  }
  std::vector<int64_t> best(edges.size(), kUnreached);
  std::vector<uint32_t> before(edges.size(), kNoEdge);
  const auto wordCost = [&](uint32_t previous, const LatticeEdge& edge) -> int64_t {
    return edge.cost + (edge.word == kUnknownWord ? 0 : pairCost(previous, edge.word));
  };
  for (const uint32_t e : starting[0]) best[e] = wordCost(boundary, edges[e]);

  size_t furthest = 0;
  for (size_t p = 1; p <= letterCount; ++p) {
    std::vector<uint32_t>& arrived = ending[p];
    std::erase_if(arrived, [&](uint32_t e) { return best[e] == kUnreached; });
    if (arrived.empty()) continue;
    furthest = p;
    std::stable_sort(arrived.begin(), arrived.end(), [&](uint32_t a, uint32_t b) { return best[a] < best[b]; });
    if (arrived.size() > beam) arrived.resize(beam);
    for (const uint32_t next : starting[p]) {
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
  for (uint32_t e = ending[furthest].front(); e != kNoEdge; e = before[e]) path.push_back(e);
  std::reverse(path.begin(), path.end());
  return path;
}

}  // namespace kellavor::lexicon
