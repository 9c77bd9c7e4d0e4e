#include "ime/core/candidate_pages.h"

#include <gtest/gtest.h>

namespace kellavor::core {
namespace {

TEST(CandidatePages, PagesOfAList) {
  EXPECT_EQ(LastPage(0, 5), 0);
  EXPECT_EQ(LastPage(5, 5), 0);
  EXPECT_EQ(LastPage(6, 5), 1);
  EXPECT_EQ(LastPage(12, 5), 2);
  EXPECT_EQ(EntriesOnPage(12, 0, 5), 5);
  EXPECT_EQ(EntriesOnPage(12, 2, 5), 2) << "a partial last page";
  EXPECT_EQ(EntriesOnPage(12, 3, 5), 0);
  EXPECT_EQ(EntriesOnPage(0, 0, 5), 0);
  EXPECT_EQ(PageStart(2, 5), 10);
}

TEST(CandidatePages, DownCrossesPagesAndWrapsOnAFullLastPage) {
  EXPECT_EQ(HighlightNext({0, 3}, 10, 5), (PagePosition{0, 4}));
  EXPECT_EQ(HighlightNext({0, 4}, 10, 5), (PagePosition{1, 0})) << "from the bottom of a page to the top of the next";
  EXPECT_EQ(HighlightNext({1, 4}, 10, 5), (PagePosition{1, 0})) << "a full last page wraps to its own top";
}

TEST(CandidatePages, DownStaysOnTheLastCandidateOfAPartialLastPage) {
  EXPECT_EQ(HighlightNext({2, 1}, 12, 5), (PagePosition{2, 1}));
  EXPECT_EQ(HighlightNext({2, 0}, 12, 5), (PagePosition{2, 1}));
  EXPECT_EQ(HighlightNext({0, 0}, 1, 5), (PagePosition{0, 0})) << "a single candidate";
  EXPECT_EQ(HighlightNext({0, 2}, 0, 5), (PagePosition{0, 0})) << "no candidates";
}

TEST(CandidatePages, UpCrossesToTheBottomOfThePageBefore) {
  EXPECT_EQ(HighlightPrevious({1, 0}, 5), (PagePosition{0, 4}));
  EXPECT_EQ(HighlightPrevious({1, 3}, 5), (PagePosition{1, 2}));
  EXPECT_EQ(HighlightPrevious({0, 0}, 5), (PagePosition{0, 0})) << "the top of the first page";
}

TEST(CandidatePages, OnePerPage) {
  EXPECT_EQ(HighlightNext({0, 0}, 3, 1), (PagePosition{1, 0}));
  EXPECT_EQ(HighlightNext({2, 0}, 3, 1), (PagePosition{2, 0}));
  EXPECT_EQ(HighlightPrevious({2, 0}, 1), (PagePosition{1, 0}));
}

TEST(CandidatePages, ClampKeepsTheHighlightOnThePage) {
  EXPECT_EQ(ClampSelection(4, 2), 1);
  EXPECT_EQ(ClampSelection(1, 2), 1);
  EXPECT_EQ(ClampSelection(3, 0), 3) << "an empty page leaves it alone";
}

}  // namespace
}  // namespace kellavor::core
