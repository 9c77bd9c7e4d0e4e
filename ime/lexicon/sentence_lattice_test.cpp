#include "ime/lexicon/sentence_lattice.h"

#include <gtest/gtest.h>

#include <vector>

namespace kellavor::lexicon {
namespace {

constexpr uint32_t kBoundary = 0;

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

}  // namespace
}  // namespace kellavor::lexicon
