#include "ime/ui/panel_layout.h"

#include <algorithm>

namespace kellavor::ui {
namespace {

ScreenSize AtLeast(ScreenSize size, ScreenSize bitmap) {
  return {std::max(size.width, bitmap.width), std::max(size.height, bitmap.height)};
}

int32_t TallestOf(const std::vector<ScreenSize>& sizes, size_t from, size_t to) {
  int32_t tallest = 0;
  for (size_t i = from; i < to; ++i) tallest = std::max(tallest, sizes[i].height);
  return tallest;
}

}  // namespace

RowBreaking BreakRows(size_t candidateCount, uint32_t pageSize, uint32_t rowCount) {
  const uint32_t rows = std::max<uint32_t>(rowCount, 1);
  const int32_t perRow = static_cast<int32_t>(std::max<uint32_t>((pageSize + rows - 1) / rows, 1));
  const auto count = static_cast<int32_t>(candidateCount);
  return {perRow, std::max<int32_t>((count + perRow - 1) / perRow, 1)};
}

CandidateArrangement ArrangeCandidates(const std::vector<ScreenSize>& candidates, int32_t numberWidth, bool vertical,
                                       uint32_t pageSize, uint32_t rowCount, ScreenSize emptyArea) {
  CandidateArrangement result;
  if (candidates.empty()) {
    result.area = emptyArea;
    return result;
  }
  result.cells.reserve(candidates.size());
  if (vertical) {
    int32_t y = 0;
    for (const ScreenSize& size : candidates) {
      result.cells.push_back({0, y, numberWidth + size.width, y + size.height});
      result.area.width = std::max(result.area.width, numberWidth + size.width);
      y += size.height + kRowGap;
    }
    result.area.height = y - kRowGap;
    return result;
  }
  const RowBreaking breaking = BreakRows(candidates.size(), pageSize, rowCount);
  int32_t y = 0;
  for (size_t rowStart = 0; rowStart < candidates.size(); rowStart += static_cast<size_t>(breaking.perRow)) {
    const size_t rowEnd = std::min(candidates.size(), rowStart + static_cast<size_t>(breaking.perRow));
    const int32_t height = TallestOf(candidates, rowStart, rowEnd);
    int32_t x = 0;
    for (size_t i = rowStart; i < rowEnd; ++i) {
      result.cells.push_back({x, y, x + numberWidth + candidates[i].width, y + candidates[i].height});
      x += numberWidth + candidates[i].width + kCandidateGap;
    }
    result.area.width = std::max(result.area.width, x - kCandidateGap);
    y += height + kRowGap;
  }
  result.area.height = y - kRowGap;
  return result;
}

ScreenSize CompositionLineSize(ScreenSize text, ScreenSize emptyText, std::optional<int32_t> keyHintWidth) {
  ScreenSize line = text.width == 0 || text.height == 0 ? emptyText : text;
  if (keyHintWidth.has_value()) line.width += *keyHintWidth;
  return line;
}

ScreenSize CompositionWindowSize(ScreenSize line, const Margins& margins, bool bottomAligned, ScreenSize bitmap) {
  return AtLeast({line.width + margins.left + margins.right, line.height + (bottomAligned ? margins.bottom : margins.top)},
                 bitmap);
}

ScreenSize CandidateWindowSize(ScreenSize area, const Margins& margins, bool bottomAligned, ScreenSize bitmap) {
  return AtLeast({area.width + margins.left + margins.right, area.height + (bottomAligned ? margins.top : margins.bottom)},
                 bitmap);
}

ScreenSize CombinedWindowSize(ScreenSize line, const Margins& lineMargins, bool lineBottomAligned, ScreenSize area,
                              const Margins& areaMargins, bool areaBottomAligned, ScreenSize bitmap) {
  const int32_t width = std::max(line.width + lineMargins.left + lineMargins.right,
                                 area.width + areaMargins.left + areaMargins.right);
  const int32_t height = area.height + (areaBottomAligned ? areaMargins.bottom : areaMargins.top) + kCombinedLineGap +
                         line.height + (lineBottomAligned ? lineMargins.bottom : lineMargins.top);
  return AtLeast({width, height}, bitmap);
}

int32_t AlignedTop(int32_t height, int32_t windowHeight, const Margins& margins, bool bottomAligned) {
  return bottomAligned ? windowHeight - margins.bottom - height : margins.top;
}

std::optional<size_t> CandidateAt(const std::vector<ScreenRect>& cells, ScreenPoint point) {
  for (size_t i = 0; i < cells.size(); ++i) {
    if (IsStrictlyInside(point, cells[i])) return i;
  }
  return std::nullopt;
}

char DigitKeyFor(size_t index) { return index == 9 ? '0' : static_cast<char>('1' + index); }

}  // namespace kellavor::ui
