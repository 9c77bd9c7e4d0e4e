#include "ime/ui/screen_geometry.h"

#include <gtest/gtest.h>

namespace kellavor::ui {
namespace {

constexpr ScreenRect kWorkArea{0, 0, 1920, 1040};

TEST(ClampedPositionTest, APositionInsideTheWorkAreaIsTakenLessTheOffset) {
  EXPECT_EQ(ClampedPosition({500, 400}, {20, 10}, {100, 30}, kWorkArea), (ScreenPoint{480, 390}));
  EXPECT_EQ(ClampedPosition({500, 400}, {}, {100, 30}, kWorkArea), (ScreenPoint{500, 400}));
}

TEST(ClampedPositionTest, AWindowPushedPastAnEdgeStopsAtIt) {
  EXPECT_EQ(ClampedPosition({1900, 1030}, {}, {100, 30}, kWorkArea), (ScreenPoint{1820, 1010}));
  EXPECT_EQ(ClampedPosition({-50, -5}, {}, {100, 30}, kWorkArea), (ScreenPoint{0, 0}));
  // Exactly at the right and bottom edges is still inside.
  EXPECT_EQ(ClampedPosition({1820, 1010}, {}, {100, 30}, kWorkArea), (ScreenPoint{1820, 1010}));
}

TEST(ClampedPositionTest, AWindowLargerThanTheWorkAreaEndsAtItsLeftAndTopEdges) {
  const ScreenRect offsetArea{100, 50, 600, 400};
  EXPECT_EQ(ClampedPosition({300, 300}, {}, {800, 500}, offsetArea), (ScreenPoint{100, 50}));
}

TEST(ClampedPositionTest, ExtremeCoordinatesDoNotOverflow) {
  EXPECT_EQ(ClampedPosition({INT32_MAX, INT32_MIN}, {INT32_MIN, INT32_MAX}, {100, 30}, kWorkArea),
            (ScreenPoint{1820, 0}));
}

TEST(ChangedSizeTest, AGivenDimensionReplacesTheCurrentOne) {
  EXPECT_EQ(ChangedSize({100, 30}, 120, std::nullopt), (ScreenSize{120, 30}));
  EXPECT_EQ(ChangedSize({100, 30}, std::nullopt, 40), (ScreenSize{100, 40}));
  EXPECT_EQ(ChangedSize({100, 30}, 1, 1), (ScreenSize{1, 1}));
}

TEST(ChangedSizeTest, TheCurrentSizeChangesNothing) {
  EXPECT_EQ(ChangedSize({100, 30}, 100, 30), std::nullopt);
  EXPECT_EQ(ChangedSize({100, 30}, std::nullopt, std::nullopt), std::nullopt);
}

TEST(IsStrictlyInsideTest, EdgesAreOutside) {
  const ScreenRect rect{10, 20, 30, 40};
  EXPECT_TRUE(IsStrictlyInside({11, 21}, rect));
  EXPECT_TRUE(IsStrictlyInside({29, 39}, rect));
  for (ScreenPoint edge : {ScreenPoint{10, 25}, ScreenPoint{30, 25}, ScreenPoint{15, 20}, ScreenPoint{15, 40}}) {
    EXPECT_FALSE(IsStrictlyInside(edge, rect)) << edge.x << "," << edge.y;
  }
  EXPECT_FALSE(IsStrictlyInside({5, 25}, rect));
  EXPECT_FALSE(IsStrictlyInside({15, 15}, {20, 10, 10, 20})) << "an inverted rectangle holds nothing";
}

}  // namespace
}  // namespace kellavor::ui
