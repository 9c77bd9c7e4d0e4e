#include "ime/core/candidate_info_block.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace kellavor::core {
namespace {

TEST(CandidateInfoBlock, InitialisationByteForByte) {
  std::vector<uint8_t> block(kCandidateInfoBlockSize, 0xA5);
  ASSERT_TRUE(InitCandidateInfoBlock(block));

  std::vector<uint8_t> expected(kCandidateInfoBlockSize, 0);
  auto put = [&](size_t offset, uint32_t value) { std::memcpy(expected.data() + offset, &value, 4); };
  put(0, 6364);
  put(4, 1);
  put(8, 144);
  put(144, 6220);
  const uint32_t strings[12] = {76, 588, 1100, 1612, 2124, 2636, 3148, 3660, 4172, 4684, 5196, 5708};
  for (size_t i = 0; i < 12; ++i) put(144 + 24 + 4 * i, strings[i]);
  EXPECT_EQ(block, expected);
  EXPECT_EQ(ReadCandidateListCounters(block), CandidateListCounters {});

  std::vector<uint8_t> small(kCandidateInfoBlockSize - 1, 0xA5);
  EXPECT_FALSE(InitCandidateInfoBlock(small));
  SetCandidateListCount(small, 3);
  EXPECT_EQ(small, std::vector<uint8_t>(kCandidateInfoBlockSize - 1, 0xA5));
}

TEST(CandidateInfoBlock, PublishedEntriesAndClearingTouchOnlyTheCounters) {
  std::vector<uint8_t> block(kCandidateInfoBlockSize);
  InitCandidateInfoBlock(block);
  const std::vector<uint8_t> initial = block;

  SetCandidateListCount(block, 3);
  EXPECT_EQ(ReadCandidateListCounters(block), (CandidateListCounters{3, 0, 1, 1}));
  uint32_t count = 0;
  std::memcpy(&count, block.data() + 144 + 8, 4);
  EXPECT_EQ(count, 3u);

  ClearCandidateListBlock(block);
  EXPECT_EQ(block, initial);
}

}  // namespace
}  // namespace kellavor::core
