#include "ime/core/candidate_pages.h"

#include <algorithm>

namespace kellavor::core {

uint16_t LastPage(int32_t count, uint16_t pageSize) {
  if (count <= 0 || pageSize == 0) return 0;
  return static_cast<uint16_t>(std::min<int32_t>((count - 1) / pageSize, UINT16_MAX));
}

int32_t PageStart(uint16_t pageIndex, uint16_t pageSize) { return int32_t {pageIndex} * pageSize; }

int32_t EntriesOnPage(int32_t count, uint16_t pageIndex, uint16_t pageSize) {
  const int32_t start = PageStart(pageIndex, pageSize);
  if (count <= start) return 0;
  return std::min<int32_t>(pageSize, count - start);
}

PagePosition HighlightNext(PagePosition position, int32_t count, uint16_t pageSize) {
  if (count <= 0 || pageSize == 0) return {position.pageIndex, 0};
  if (position.selection + 1 >= pageSize) {
    if (position.pageIndex < LastPage(count, pageSize)) ++position.pageIndex;
    position.selection = 0;
  } else {
    ++position.selection;
  }
  position.selection = ClampSelection(position.selection, EntriesOnPage(count, position.pageIndex, pageSize));
  return position;
}

PagePosition HighlightPrevious(PagePosition position, uint16_t pageSize) {
  if (position.selection > 0) {
    --position.selection;
  } else if (position.pageIndex > 0) {
    --position.pageIndex;
    position.selection = static_cast<uint16_t>(pageSize > 0 ? pageSize - 1 : 0);
  }
  return position;
}

uint16_t ClampSelection(uint16_t selection, int32_t entriesOnPage) {
  if (entriesOnPage <= 0) return selection;
  return static_cast<uint16_t>(std::min<int32_t>(selection, entriesOnPage - 1));
}

}  // namespace kellavor::core
