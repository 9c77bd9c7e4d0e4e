// Where the composition and candidate windows go on screen: below the application's caret, steady
// against a caret that jitters by a pixel, the candidate window beside or below the composition
// window without covering it, and both inside the work area of the monitor that holds the caret.
#pragma once

#include <cstdint>

#include "ime/ui/screen_geometry.h"

namespace kellavor::ui {

// The point under the caret where the composition window goes, from the caret's screen position.
// With a context font of nonzero height or width, d = the larger of their magnitudes and the point
// lies d + min(d, 20) below the caret; without one, it lies a letter "Z" (its size in the window's
// default font) right of and below it.
ScreenPoint PointBelowCaret(ScreenPoint caret, int32_t fontHeight, int32_t fontWidth, ScreenSize letterZ);

// A caret that moved less than 2 pixels up or down from the window's top keeps the window's top.
int32_t SteadyTop(int32_t y, int32_t windowTop);

// How the candidate window keeps clear of the composition window.
enum class CandidateTrend : uint32_t { kBelow = 0, kRight = 1 };

// The candidate window's left-top corner, for a composition window placed at point with the
// rectangle composition: below it (kBelow) or right of it (kRight), pushed back into the work
// area; if it then covers the composition window along the trend's axis it moves above (or left
// of) it, or, when that reaches the work area's top (or left) edge, below (or right of) it. The
// result is clamped into the work area once more, so that a candidate window never leaves it.
// Other trend values only clamp.
ScreenPoint CandidatePosition(ScreenPoint point, const ScreenRect& composition, ScreenSize candidate, uint32_t trend,
                              const ScreenRect& workArea);

}  // namespace kellavor::ui
