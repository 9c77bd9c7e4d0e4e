// A small image button on a disabled host window (the status bar, the combined panel): three
// looks for normal, hovered and pressed, and a command sent to the host when it is clicked. The
// host offers it every message first; the button reads presses and releases from WM_SETCURSOR and
// polls the cursor with a timer while it is hovered, since a disabled window gets neither mouse
// button messages nor leave tracking.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ime/ui/button_state.h"
#include "ime/ui/screen_geometry.h"

namespace kellavor::ui {

// The key colour of button images: pure green pixels are not drawn.
inline constexpr COLORREF kButtonKeyColor = RGB(0, 255, 0);
inline constexpr UINT kButtonPollMilliseconds = 200;

class Button {
 public:
  // The images are not owned. The button is visible, at (x, y), as large as its normal image.
  Button(POINT position, uint16_t id, HBITMAP normal, HBITMAP hover, HBITMAP pressed);
  virtual ~Button() = default;
  Button(const Button&) = delete;
  Button& operator=(const Button&) = delete;

  // Nonzero when the message is consumed (the host returns it at once).
  virtual LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  virtual void Paint(HDC dc);

  // Keeps the size of the first image present.
  void MoveTo(int x, int y);
  // Hidden buttons take no messages and paint nothing; a change returns the state to normal.
  void SetVisible(bool on);

  bool visible() const { return flags_ != 0; }
  const ScreenRect& rect() const { return rect_; }
  uint16_t id() const { return id_; }
  ButtonState state() const { return state_; }

 private:
  bool Hit(HWND window) const;
  LRESULT Apply(HWND window, const ButtonStep& step);

  static constexpr uint32_t kVisibleFlag = 0x10000000;
  ScreenRect rect_;
  uint32_t flags_ = kVisibleFlag;
  uint16_t id_;
  HBITMAP images_[3];
  ButtonState state_ = ButtonState::kNormal;
};

}  // namespace kellavor::ui
