#include "ime/ui/panel_placement.h"

#include <algorithm>
#include <cstdlib>

namespace kellavor::ui {
namespace {

constexpr int32_t kWindowGap = 5;
constexpr int32_t kMaxCaretGap = 20;

// Whether [start, start + length] meets [low, high] as the avoidance rule counts it.
bool Meets(int32_t start, int32_t length, int32_t low, int32_t high) {
  return (low < start && start <= high) || (start <= low && low <= start + length);
}

}  // namespace

ScreenPoint PointBelowCaret(ScreenPoint caret, int32_t fontHeight, int32_t fontWidth, ScreenSize letterZ) {
  if (fontHeight != 0 || fontWidth != 0) {
    const int64_t d = std::max(std::llabs(fontHeight), std::llabs(fontWidth));
    const int64_t y = caret.y + d + std::min<int64_t>(d, kMaxCaretGap);
    return {caret.x, static_cast<int32_t>(std::clamp<int64_t>(y, INT32_MIN, INT32_MAX))};
  }
  return {caret.x + letterZ.width, caret.y + letterZ.height};
}

int32_t SteadyTop(int32_t y, int32_t windowTop) {
  return static_cast<int64_t>(windowTop) - 2 < y && y < static_cast<int64_t>(windowTop) + 2 ? windowTop : y;
}

ScreenPoint CandidatePosition(ScreenPoint point, const ScreenRect& composition, ScreenSize candidate, uint32_t trend,
                              const ScreenRect& workArea) {
  const int32_t compositionWidth = composition.right - composition.left;
  const int32_t compositionHeight = composition.bottom - composition.top;
  ScreenPoint at = trend == static_cast<uint32_t>(CandidateTrend::kBelow)
                       ? ScreenPoint{point.x, point.y + compositionHeight + kWindowGap}
                       : ScreenPoint{point.x + compositionWidth + kWindowGap, point.y};
  at = ClampedPosition(at, {}, candidate, workArea);
  if (trend == static_cast<uint32_t>(CandidateTrend::kRight) &&
      Meets(at.x, candidate.width, composition.left, composition.right)) {
    at.x = composition.left - candidate.width - kWindowGap;
    if (at.x <= workArea.left) at.x = composition.right + kWindowGap;
  } else if (trend == static_cast<uint32_t>(CandidateTrend::kBelow) &&
             Meets(at.y, candidate.height, composition.top, composition.bottom)) {
    at.y = composition.top - candidate.height - kWindowGap;
    if (at.y <= workArea.top) at.y = composition.bottom + kWindowGap;
  }
  return ClampedPosition(at, {}, candidate, workArea);
}

}  // namespace kellavor::ui
