#include "ime/ui/skin_region.h"

#include <algorithm>

namespace kellavor::ui {

void AppendOpaqueRuns(std::span<const uint32_t> row, int32_t y, uint32_t keyColor, std::vector<ScreenRect>& runs) {
  // Device-independent pixels are blue in the low byte; the key colour has red there.
  const uint32_t key = ((keyColor & 0xFF) << 16) | (keyColor & 0xFF00) | ((keyColor >> 16) & 0xFF);
  size_t x = 0;
  while (x < row.size()) {
    while (x < row.size() && (row[x] & 0xFFFFFF) == key) ++x;
    const size_t first = x;
    while (x < row.size() && (row[x] & 0xFFFFFF) != key) ++x;
    if (x > first) runs.push_back({static_cast<int32_t>(first), y, static_cast<int32_t>(x), y + 1});
  }
}

std::vector<size_t> RegionBatches(size_t rectangles) {
  std::vector<size_t> batches(rectangles / kRegionBatch, kRegionBatch);
  if (rectangles % kRegionBatch != 0 || rectangles == 0) batches.push_back(rectangles % kRegionBatch);
  return batches;
}

}  // namespace kellavor::ui
