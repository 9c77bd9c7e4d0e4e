// The arithmetic of candidate pages and of the highlight: pages of pageSize candidates, the
// highlight counted from the top of its page. Pure functions of the list length.
#pragma once

#include <cstdint>

namespace kellavor::core {

struct PagePosition {
  uint16_t pageIndex = 0;
  uint16_t selection = 0;  // place on the page

  friend bool operator==(const PagePosition&, const PagePosition&) = default;
};

// The last page of a list of count candidates; 0 for an empty list. pageSize is at least 1.
uint16_t LastPage(int32_t count, uint16_t pageSize);

// Index of the first candidate of the page.
int32_t PageStart(uint16_t pageIndex, uint16_t pageSize);

// How many candidates the page shows: pageSize, fewer on a partial last page, 0 past the end.
int32_t EntriesOnPage(int32_t count, uint16_t pageIndex, uint16_t pageSize);

// Down: the next place, from the last place of a page to the top of the next one; the last page
// wraps to its own top when full and keeps the highlight on its last candidate when partial.
PagePosition HighlightNext(PagePosition position, int32_t count, uint16_t pageSize);

// Up: the place above, from the top of a page to the bottom of the page before; nothing at the top
// of the first page.
PagePosition HighlightPrevious(PagePosition position, uint16_t pageSize);

// A highlight that an edit has left past the end of its page goes to the page's last candidate.
uint16_t ClampSelection(uint16_t selection, int32_t entriesOnPage);

}  // namespace kellavor::core
