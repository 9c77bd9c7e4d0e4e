// The pictures of the detail form's title bar, drawn at build time (make_title_bitmaps.py) and
// carried as bitmap resources of the program.
#pragma once

namespace kellavor::viewer {

inline constexpr int kTitleBackgroundBitmap = 201;  // ImageBg, 213 x 26, stretched
inline constexpr int kTitleLeftBitmap = 202;        // ImageL, 10 x 26
inline constexpr int kTitleRightBitmap = 203;       // ImageR, 10 x 26
inline constexpr int kPinSideBitmap = 204;          // ImagePushpin1, 18 x 18: following
inline constexpr int kPinHeadOnBitmap = 205;        // ImagePushpin2, 18 x 18: pinned
inline constexpr int kCloseBitmap = 206;            // btnClose's symbol, 16 x 16

}  // namespace kellavor::viewer
