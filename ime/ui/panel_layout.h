// The arithmetic of the composition and candidate windows: how large the candidate area and the
// windows are, where each candidate stands, and where the composition line and the candidate area
// go inside a window. Sizes come in measured (the window side measures text with its fonts); the
// rules here are the same on every system and are tested natively.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "ime/ui/screen_geometry.h"

namespace kellavor::ui {

// Margins around a text or area: widths of the left and right sides, heights of the top and bottom.
struct Margins {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  friend bool operator==(const Margins&, const Margins&) = default;
};

// Space between candidates of a row, and between rows or lines.
inline constexpr int32_t kCandidateGap = 8;
inline constexpr int32_t kRowGap = 4;
// Space between the composition line and the candidates in the combined layout.
inline constexpr int32_t kCombinedLineGap = 5;

// How a horizontal page is broken into rows. The skin asks for rowCount rows; 0 rows is taken as
// one. Each row holds ceil(pageSize / rows) candidates, so that a full page always fits the rows
// asked for; a page holding more candidates than that (a page size larger than the setting)
// continues on further rows, each measured and painted like the others.
struct RowBreaking {
  int32_t perRow = 1;
  int32_t rows = 1;  // rows the given number of candidates takes
};
RowBreaking BreakRows(size_t candidateCount, uint32_t pageSize, uint32_t rowCount);

struct CandidateArrangement {
  // The candidate area's size.
  ScreenSize area;
  // Per candidate, its rectangle (number label and text) relative to the area's left-top corner.
  std::vector<ScreenRect> cells;
};

// Arranges the candidates, given each one's measured text size (hint included) and the width of
// the number label: side by side in rows (horizontal) or one under the other (vertical). Rows and
// lines are as high as their tallest candidate. An empty page takes the size of emptyArea (the
// letter "A" in the candidate font).
CandidateArrangement ArrangeCandidates(const std::vector<ScreenSize>& candidates, int32_t numberWidth, bool vertical,
                                       uint32_t pageSize, uint32_t rowCount, ScreenSize emptyArea);

// The size of the composition line: the text's size, or emptyText's (the letter "A") when the text
// measures 0 in either direction, widened by the key hint when one is shown.
ScreenSize CompositionLineSize(ScreenSize text, ScreenSize emptyText, std::optional<int32_t> keyHintWidth);

// The sizes of the windows. A size never falls below the skin bitmap's (0 x 0 when it has none).
// A bottom-aligned text or area adds the bottom margin, a top-aligned one the top margin; the
// separate candidate window adds the opposite one (the built-in horizontal skin relies on it).
ScreenSize CompositionWindowSize(ScreenSize line, const Margins& margins, bool bottomAligned, ScreenSize bitmap);
ScreenSize CandidateWindowSize(ScreenSize area, const Margins& margins, bool bottomAligned, ScreenSize bitmap);
ScreenSize CombinedWindowSize(ScreenSize line, const Margins& lineMargins, bool lineBottomAligned, ScreenSize area,
                              const Margins& areaMargins, bool areaBottomAligned, ScreenSize bitmap);

// The top of a text or area of the given height inside a window of windowHeight: hanging from the
// top margin, or standing on the bottom margin.
int32_t AlignedTop(int32_t height, int32_t windowHeight, const Margins& margins, bool bottomAligned);

// The candidate whose rectangle holds the point strictly inside, if any.
std::optional<size_t> CandidateAt(const std::vector<ScreenRect>& cells, ScreenPoint point);

// The digit key that selects the candidate at index 0 to 9 of the page: '1' to '9', then '0'.
char DigitKeyFor(size_t index);

}  // namespace kellavor::ui
