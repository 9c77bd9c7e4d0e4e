#include "ime/ui/skin_region.h"

#include <gtest/gtest.h>

#include <vector>

#include "ime/ui/panel_skin.h"

namespace kellavor::ui {
namespace {

TEST(SkinRegion, OnlyPixelsOfExactlyTheKeyColourAreCut) {
  // Pixels as a 32-bit section holds them: 0x00RRGGBB. Magenta is the key; 254,0,255 stays.
  const uint32_t magenta = 0xFF00FF;
  const uint32_t almost = 0xFE00FF;
  const std::vector<uint32_t> row{magenta, almost, 0x123456, magenta, 0xFF000000 | magenta, 0x000000};
  std::vector<ScreenRect> runs;
  AppendOpaqueRuns(row, 7, Rgb(255, 0, 255), runs);
  EXPECT_EQ(runs, (std::vector<ScreenRect>{{1, 7, 3, 8}, {5, 7, 6, 8}}));
  runs.clear();
  AppendOpaqueRuns(std::vector<uint32_t>(4, magenta), 0, Rgb(255, 0, 255), runs);
  EXPECT_TRUE(runs.empty());
}

TEST(SkinRegion, RectanglesAreCombinedInBatchesOf2000) {
  EXPECT_EQ(RegionBatches(4500), (std::vector<size_t>{2000, 2000, 500}));
  EXPECT_EQ(RegionBatches(4000), (std::vector<size_t>{2000, 2000}));
  EXPECT_EQ(RegionBatches(0), (std::vector<size_t>{0})) << "an empty region still is one";
}

}  // namespace
}  // namespace kellavor::ui
