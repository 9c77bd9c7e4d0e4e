#include "ime/lexicon/sentence_lattice.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace kellavor::lexicon {
namespace {

constexpr uint32_t kBoundary = 0;

// A search with nothing kept.
std::vector<uint32_t> BestSentencePath(std::span<const LatticeEdge> edges, size_t letterCount, uint32_t boundary,
                                       const PairCost& pairCost, size_t beam) {
  return SentencePathSearch().BestPath(edges, letterCount, boundary, pairCost, beam);
}

// Words 1 to 4 over six letters: 1 covers [0,4), 2 [4,6), 3 [0,2), 4 [2,6). Word 1 is the cheapest
// on its own, but 3 followed by 4 is a known pair.
const std::vector<LatticeEdge> kEdges = {{0, 4, 0, 1}, {4, 6, 0, 2}, {0, 2, 0, 3}, {2, 6, 0, 4}};

int32_t Costs(uint32_t previous, uint32_t word) {
  if (previous == 3 && word == 4) return 1;
  const int32_t unigram[] = {0, 2, 10, 4, 10};
  return unigram[word];
}

TEST(SentenceLattice, PairsDecideThePath) {
  EXPECT_EQ(BestSentencePath(kEdges, 6, kBoundary, Costs, 8), (std::vector<uint32_t>{2, 3}));
  // Without the pair the cheapest first word wins.
  const PairCost unigrams = [](uint32_t, uint32_t word) { return Costs(0, word); };
  EXPECT_EQ(BestSentencePath(kEdges, 6, kBoundary, unigrams, 8), (std::vector<uint32_t>{0, 1}));
}

TEST(SentenceLattice, UnknownWordsGapsAndTheBeam) {
  // An unknown word carries its whole cost on the edge.
  std::vector<LatticeEdge> edges = kEdges;
  edges.push_back({0, 6, 12, kUnknownWord});
  EXPECT_EQ(BestSentencePath(edges, 6, kBoundary, Costs, 8), (std::vector<uint32_t>{2, 3}));
  edges.back().cost = 2;
  EXPECT_EQ(BestSentencePath(edges, 6, kBoundary, Costs, 8), (std::vector<uint32_t>{4}));
  // Nothing covers letter 5: the path reaches as far as it can.
  const std::vector<LatticeEdge> gap = {{0, 2, 0, 3}, {2, 5, 0, 4}, {6, 7, 0, 1}};
  EXPECT_EQ(BestSentencePath(gap, 7, kBoundary, Costs, 8), (std::vector<uint32_t>{0, 1}));
  EXPECT_TRUE(BestSentencePath(std::vector<LatticeEdge>{{1, 2, 0, 1}}, 2, kBoundary, Costs, 8).empty());
  // A beam of one keeps only the cheapest word ending at each letter.
  const std::vector<LatticeEdge> narrow = {{0, 2, 0, 1}, {0, 2, 0, 3}, {2, 6, 0, 4}};
  EXPECT_EQ(BestSentencePath(narrow, 6, kBoundary, Costs, 1), (std::vector<uint32_t>{0, 2}));
  EXPECT_EQ(BestSentencePath(narrow, 6, kBoundary, Costs, 2), (std::vector<uint32_t>{1, 2}));
}

// Typing grows the lattice at its end and now and then changes it further back (a syllable read
// anew, a backspace): a search keeping the states of the last one finds the path of a fresh search
// every time, ties included, and keeps the positions in front of the first change.
TEST(SentenceLattice, KeptStatesGiveThePathOfAFreshSearch) {
  std::mt19937 random(7);
  const PairCost costs = [](uint32_t previous, uint32_t word) {
    return static_cast<int32_t>((previous * 7 + word * 3) % 5);
  };
  SentencePathSearch kept;
  std::vector<LatticeEdge> edges;
  size_t letters = 0;
  size_t reused = 0;
  for (int step = 0; step < 3000; ++step) {
    const auto change = random() % 10;
    if (change == 0 || letters >= 40) {
      // Back to a shorter text, its edges as they were.
      letters = random() % (letters + 1);
      std::erase_if(edges, [&](const LatticeEdge& edge) { return edge.end > letters; });
    } else if (change == 1 && !edges.empty()) {
      // An edge somewhere in the lattice costs something else.
      edges[random() % edges.size()].cost += 1;
    } else {
      ++letters;
      // Words ending at the new letter, some of them unknown, some costing alike.
      for (uint32_t k = random() % 4; k-- > 0;) {
        const auto start = static_cast<uint16_t>(letters - 1 - random() % std::min<size_t>(letters, 4));
        const uint32_t word = random() % 6 == 0 ? kUnknownWord : static_cast<uint32_t>(random() % 20);
        edges.push_back({start, static_cast<uint16_t>(letters), static_cast<int32_t>(random() % 3), word});
      }
    }
    std::shuffle(edges.end() - std::min<ptrdiff_t>(static_cast<ptrdiff_t>(edges.size()), 2), edges.end(), random);
    ASSERT_EQ(kept.BestPath(edges, letters, kBoundary, costs, 2), BestSentencePath(edges, letters, kBoundary, costs, 2))
        << "step " << step;
    reused += kept.ReusedPositions();
  }
  EXPECT_GT(reused, 3000u * 5) << "states were kept";
}

}  // namespace
}  // namespace kellavor::lexicon
