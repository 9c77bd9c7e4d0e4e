#include "ime/ui/panel_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace kellavor::ui {
namespace {

constexpr ScreenSize kA{8, 16};
constexpr int32_t kNumber = 20;

std::vector<ScreenSize> Candidates(size_t count, ScreenSize size = {30, 16}) { return std::vector<ScreenSize>(count, size); }

TEST(PanelLayout, HorizontalRowsBreakEvenlyAndSoundlyForAnyRowCount) {
  // Six candidates in two rows: three a row, the area two rows and a gap high.
  const CandidateArrangement two = ArrangeCandidates(Candidates(6), kNumber, false, 6, 2, kA);
  EXPECT_EQ(two.area, (ScreenSize{3 * (kNumber + 30) + 2 * kCandidateGap, 2 * 16 + kRowGap}));
  EXPECT_EQ(two.cells[2], (ScreenRect{2 * (kNumber + 30 + kCandidateGap), 0, 2 * (kNumber + 30 + kCandidateGap) + kNumber + 30, 16}));
  EXPECT_EQ(two.cells[3].left, 0);
  EXPECT_EQ(two.cells[3].top, 16 + kRowGap);

  // No rows asked for: one row.
  EXPECT_EQ(BreakRows(5, 5, 0).perRow, 5);
  EXPECT_EQ(ArrangeCandidates(Candidates(5), kNumber, false, 5, 0, kA).area.height, 16);
  // A page of five in two rows: three and two, every candidate within the two rows.
  EXPECT_EQ(BreakRows(5, 5, 2).perRow, 3);
  EXPECT_EQ(BreakRows(5, 5, 2).rows, 2);
  // More rows than candidates: one a row, never a row of none.
  EXPECT_EQ(BreakRows(2, 2, 4).perRow, 1);
  // A page fuller than its size: further rows, measured like the others.
  const CandidateArrangement over = ArrangeCandidates(Candidates(7), kNumber, false, 4, 2, kA);
  EXPECT_EQ(over.area.height, 4 * 16 + 3 * kRowGap);
  EXPECT_EQ(over.cells[6].top, 3 * (16 + kRowGap));
  // A short last page keeps its one row.
  EXPECT_EQ(ArrangeCandidates(Candidates(2), kNumber, false, 6, 2, kA).area.height, 16);
}

TEST(PanelLayout, VerticalListsAreAsWideAsTheWidestAndRowsAsHighAsTheTallest) {
  const std::vector<ScreenSize> sizes{{30, 16}, {90, 18}, {10, 16}};
  const CandidateArrangement list = ArrangeCandidates(sizes, kNumber, true, 5, 1, kA);
  EXPECT_EQ(list.area, (ScreenSize{kNumber + 90, 16 + 18 + 16 + 2 * kRowGap}));
  EXPECT_EQ(list.cells[1], (ScreenRect{0, 16 + kRowGap, kNumber + 90, 16 + kRowGap + 18}));
  const CandidateArrangement row = ArrangeCandidates(sizes, kNumber, false, 5, 1, kA);
  EXPECT_EQ(row.area.height, 18);
  EXPECT_EQ(ArrangeCandidates({}, kNumber, true, 5, 1, kA).area, kA) << "an empty page measures as A";
}

TEST(PanelLayout, WindowSizesAddTheMarginsOfTheirAlignmentAndNeverFallBelowTheBitmap) {
  const Margins comp{3, 3, 55, 5};
  EXPECT_EQ(CompositionWindowSize({100, 16}, comp, false, {66, 22}), (ScreenSize{158, 22}));
  EXPECT_EQ(CompositionWindowSize({100, 20}, comp, true, {66, 22}), (ScreenSize{158, 25}));
  // The separate candidate window adds the opposite margin: the built-in horizontal skin is the
  // area plus 12, the area standing 5 above the bottom edge.
  const Margins cand{5, 12, 20, 5};
  EXPECT_EQ(CandidateWindowSize({200, 16}, cand, true, {66, 24}), (ScreenSize{225, 28}));
  EXPECT_EQ(AlignedTop(16, 28, cand, true), 7);
  EXPECT_EQ(CandidateWindowSize({10, 5}, cand, true, {66, 24}), (ScreenSize{66, 24})) << "the image's size";
  // Combined: the wider of the two lines, both heights, the margins and the 5 between them.
  EXPECT_EQ(CombinedWindowSize({100, 16}, comp, false, {300, 16}, {3, 3, 20, 5}, true, {94, 41}),
            (ScreenSize{323, 16 + 5 + kCombinedLineGap + 16 + 3}));
  EXPECT_EQ(CombinedWindowSize({10, 5}, comp, false, {10, 5}, {3, 3, 20, 5}, true, {94, 41}), (ScreenSize{94, 41}));
}

TEST(PanelLayout, TheCompositionLineMeasuresAsAWhenEmptyAndIncludesTheKeyHint) {
  EXPECT_EQ(CompositionLineSize({0, 0}, kA, std::nullopt), kA);
  EXPECT_EQ(CompositionLineSize({40, 16}, kA, 120), (ScreenSize{160, 16}));
  EXPECT_EQ(CompositionLineSize({40, 16}, kA, std::nullopt), (ScreenSize{40, 16}));
}

TEST(PanelLayout, HitTestsAreStrictAndTheTenthCandidateIsSelectedByZero) {
  const std::vector<ScreenRect> cells{{0, 0, 50, 16}, {58, 0, 100, 16}};
  EXPECT_EQ(CandidateAt(cells, {10, 8}), 0u);
  EXPECT_EQ(CandidateAt(cells, {60, 8}), 1u);
  EXPECT_EQ(CandidateAt(cells, {50, 8}), std::nullopt) << "an edge is outside";
  EXPECT_EQ(CandidateAt(cells, {54, 8}), std::nullopt) << "the gap between";
  EXPECT_EQ(DigitKeyFor(0), '1');
  EXPECT_EQ(DigitKeyFor(8), '9');
  EXPECT_EQ(DigitKeyFor(9), '0');
}

}  // namespace
}  // namespace kellavor::ui
