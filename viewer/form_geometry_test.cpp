#include "viewer/form_geometry.h"

#include <gtest/gtest.h>

namespace kellavor::viewer {
namespace {

constexpr WorkArea kArea{0, 0, 1920, 1040};

TEST(FormGeometryTest, ZonesLieWithinTenPixelsOfTheRightAndBottomEdges) {
  EXPECT_EQ(ZonesAt(270, 290, 280, 300), (Zones{true, true}));
  EXPECT_EQ(ZonesAt(269, 100, 280, 300), (Zones{false, false}));
  EXPECT_EQ(ZonesAt(280, 100, 280, 300), (Zones{true, false}));
  EXPECT_EQ(ZonesAt(281, 100, 280, 300), (Zones{false, false}));
  EXPECT_EQ(CursorFor({true, false}), DragCursor::kSizeWe);
  EXPECT_EQ(CursorFor({false, true}), DragCursor::kSizeNs);
  EXPECT_EQ(CursorFor({true, true}), DragCursor::kSizeNwse);
  EXPECT_EQ(CursorFor({}), DragCursor::kMove);
}

TEST(FormGeometryTest, ResizingStopsAtFiftyPixels) {
  const FormRect form{100, 100, 280, 300};
  EXPECT_EQ(DragStep(form, {true, false}, 275, 0, 40, 0, kArea), std::nullopt);
  EXPECT_EQ(DragStep(form, {true, false}, 275, 0, 50, 0, kArea), (FormRect{100, 100, 50, 300}));
  EXPECT_EQ(DragStep(form, {true, true}, 275, 295, 400, 20, kArea), (FormRect{100, 100, 400, 300}));
  EXPECT_EQ(DragStep(form, {false, true}, 0, 295, 0, 350, kArea), (FormRect{100, 100, 280, 350}));
}

TEST(FormGeometryTest, MovingKeepsTheFormInsideTheWorkArea) {
  const FormRect form{100, 100, 280, 300};
  EXPECT_EQ(DragStep(form, {}, 20, 10, 30, 5, kArea), (FormRect{110, 95, 280, 300}));
  EXPECT_EQ(DragStep(form, {}, 20, 10, 5000, 10, kArea), (FormRect{1640, 100, 280, 300})) << "flush with the right";
  EXPECT_EQ(DragStep(form, {}, 20, 10, -500, -500, kArea), (FormRect{0, 0, 280, 300}));
  EXPECT_EQ(DragStep(form, {}, 20, 10, 20, 10, kArea), std::nullopt) << "no change";
}

TEST(FormGeometryTest, TheFormGoesBesideOrBelowTheModulesWindowAndFlipsWithoutRoom) {
  const FormRect form{0, 0, 280, 300};
  EXPECT_EQ(PlaceBeside(form, {500, 400, 200, 60}, false, kArea), (FormRect{500, 470, 280, 300}));
  EXPECT_EQ(PlaceBeside(form, {500, 900, 200, 60}, false, kArea), (FormRect{500, 590, 280, 300})) << "above";
  EXPECT_EQ(PlaceBeside(form, {500, 400, 200, 60}, true, kArea), (FormRect{710, 400, 280, 300}));
  EXPECT_EQ(PlaceBeside(form, {1700, 400, 200, 60}, true, kArea), (FormRect{1410, 400, 280, 300})) << "left";
}

}  // namespace
}  // namespace kellavor::viewer
