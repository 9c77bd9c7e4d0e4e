#include "ime/lexicon/reading_groups.h"

#include <gtest/gtest.h>

#include <vector>

namespace kellavor::lexicon {
namespace {

std::vector<uint32_t> Visited(const ReadingGroups& groups, ReadingRange range, std::vector<uint16_t> matching,
                              bool& read) {
  std::vector<uint32_t> visited;
  const auto matches = [&](uint16_t reading) {
    return std::find(matching.begin(), matching.end(), reading) != matching.end();
  };
  read = VisitMatchingReadings(groups, range, matches, [&](uint32_t position) { visited.push_back(position); });
  return visited;
}

// The matching readings' positions stand in for a scan of the range only where they come out in
// index order: several readings of a range that is not ordered by reading leave it to the scan.
TEST(ReadingGroups, MatchingReadingsAreReadInIndexOrderOrLeftToTheScan) {
  ReadingGroups groups;
  // Positions 10 to 15 by reading: 3 3 5 7 7 7.
  std::vector<std::pair<uint16_t, uint32_t>> ordered = {{3, 10}, {3, 11}, {5, 12}, {7, 13}, {7, 14}, {7, 15}};
  const GroupPlace firstPlace = groups.Add(ordered);
  // Positions 20 to 23 by reading: 4 2 4 2.
  std::vector<std::pair<uint16_t, uint32_t>> mixed = {{4, 20}, {2, 21}, {4, 22}, {2, 23}};
  const GroupPlace secondPlace = groups.Add(mixed);
  EXPECT_TRUE(firstPlace.ordered);
  EXPECT_FALSE(secondPlace.ordered);
  const ReadingRange first = groups.Range(firstPlace);
  const ReadingRange second = groups.Range(secondPlace);
  ASSERT_EQ(first.groups.size(), 3u);
  ASSERT_EQ(second.groups.size(), 2u);

  bool read = false;
  EXPECT_EQ(Visited(groups, first, {3, 7}, read), (std::vector<uint32_t>{10, 11, 13, 14, 15}));
  EXPECT_TRUE(read);
  EXPECT_EQ(Visited(groups, first, {9}, read), (std::vector<uint32_t>{}));
  EXPECT_TRUE(read);
  EXPECT_EQ(Visited(groups, second, {4}, read), (std::vector<uint32_t>{20, 22}));
  EXPECT_TRUE(read);
  EXPECT_EQ(Visited(groups, second, {2, 4}, read), (std::vector<uint32_t>{}));
  EXPECT_FALSE(read);
  EXPECT_EQ(Visited(groups, ReadingRange{}, {2}, read), (std::vector<uint32_t>{}));
  EXPECT_FALSE(read);
}

}  // namespace
}  // namespace kellavor::lexicon
