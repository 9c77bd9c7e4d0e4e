// The shape of a skinned window: the pixels of its bitmap that differ from the key colour, as
// rectangles one pixel high, collected in batches so that a large skin with many holes becomes a
// region in a few steps.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "ime/ui/screen_geometry.h"

namespace kellavor::ui {

// At most this many rectangles make one region before it is combined into the result.
inline constexpr size_t kRegionBatch = 2000;

// The runs of one row of 0x00RRGGBB pixels (the top byte ignored) that differ from the key colour
// (0x00BBGGRR, as colours are stored), appended as rectangles (first x, y, last x + 1, y + 1).
void AppendOpaqueRuns(std::span<const uint32_t> row, int32_t y, uint32_t keyColor, std::vector<ScreenRect>& runs);

// The sizes of the batches the rectangles are combined in: full batches, then the rest.
std::vector<size_t> RegionBatches(size_t rectangles);

}  // namespace kellavor::ui
