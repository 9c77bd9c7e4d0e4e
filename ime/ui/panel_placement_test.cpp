#include "ime/ui/panel_placement.h"

#include <gtest/gtest.h>

namespace kellavor::ui {
namespace {

// A second monitor right of the first, as the window side hands over the caret monitor's area.
constexpr ScreenRect kWorkArea{1920, 0, 3200, 1000};

TEST(PanelPlacement, TheWindowGoesBelowTheCaretByTheContextFontOrALetterZ) {
  EXPECT_EQ(PointBelowCaret({2000, 100}, -16, 0, {}), (ScreenPoint{2000, 132}));
  EXPECT_EQ(PointBelowCaret({2000, 100}, -30, 0, {}), (ScreenPoint{2000, 150}));
  EXPECT_EQ(PointBelowCaret({2000, 100}, 0, 12, {}), (ScreenPoint{2000, 124}));
  EXPECT_EQ(PointBelowCaret({2000, 100}, 0, 0, {9, 17}), (ScreenPoint{2009, 117}));
}

TEST(PanelPlacement, ACaretMovingOnePixelKeepsTheWindowsTopTwoMoveIt) {
  EXPECT_EQ(SteadyTop(101, 100), 100);
  EXPECT_EQ(SteadyTop(99, 100), 100);
  EXPECT_EQ(SteadyTop(102, 100), 102);
  EXPECT_EQ(SteadyTop(98, 100), 98);
}

TEST(PanelPlacement, TheCandidateWindowKeepsClearOfTheCompositionWindowInsideTheWorkArea) {
  const ScreenSize candidate{300, 100};
  // Below, in the open.
  EXPECT_EQ(CandidatePosition({2000, 100}, {2000, 100, 2150, 122}, candidate, 0, kWorkArea), (ScreenPoint{2000, 127}));
  // Right of it, in the open.
  EXPECT_EQ(CandidatePosition({2000, 100}, {2000, 100, 2150, 122}, candidate, 1, kWorkArea), (ScreenPoint{2155, 100}));
  // Near the right edge: pushed back onto the composition window, then to its left.
  EXPECT_EQ(CandidatePosition({3000, 100}, {3000, 100, 3150, 122}, candidate, 1, kWorkArea), (ScreenPoint{2695, 100}));
  // Too wide for the left: right of it, and clamped into the work area again.
  EXPECT_EQ(CandidatePosition({2000, 100}, {2000, 100, 3100, 122}, candidate, 1, kWorkArea), (ScreenPoint{2900, 100}));
  // Near the bottom edge: above it; near the top as well: below it, clamped.
  EXPECT_EQ(CandidatePosition({2000, 950}, {2000, 950, 2150, 972}, candidate, 0, kWorkArea), (ScreenPoint{2000, 845}));
  EXPECT_EQ(CandidatePosition({2000, 50}, {2000, 50, 2150, 950}, candidate, 0, kWorkArea), (ScreenPoint{2000, 900}));
  // An unknown trend only clamps.
  EXPECT_EQ(CandidatePosition({3100, 100}, {3100, 100, 3150, 122}, candidate, 7, kWorkArea), (ScreenPoint{2900, 100}));
  // Left of the monitor: pulled onto it.
  EXPECT_EQ(CandidatePosition({100, 100}, {100, 100, 200, 122}, candidate, 0, kWorkArea).x, 1920);
}

}  // namespace
}  // namespace kellavor::ui
