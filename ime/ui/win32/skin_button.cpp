#include "ime/ui/win32/skin_button.h"

#include "ime/platform/ime_messages.h"
#include "ime/ui/win32/skin_bitmaps.h"

namespace kellavor::ui {

Button::Button(POINT position, uint16_t id, HBITMAP normal, HBITMAP hover, HBITMAP pressed)
    : id_(id), images_{normal, hover, pressed} {
  const ScreenSize size = BitmapSize(normal);
  rect_ = {position.x, position.y, position.x + size.width, position.y + size.height};
}

void Button::MoveTo(int x, int y) {
  ScreenSize size;
  for (HBITMAP image : images_) {
    if (image != nullptr) {
      size = BitmapSize(image);
      break;
    }
  }
  rect_ = {x, y, x + size.width, y + size.height};
}

void Button::SetVisible(bool on) {
  const uint32_t flags = on ? kVisibleFlag : 0;
  if (flags == flags_) return;
  flags_ = flags;
  state_ = ButtonState::kNormal;
}

bool Button::Hit(HWND window) const {
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(window, &cursor);
  return IsStrictlyInside({cursor.x, cursor.y}, rect_);
}

LRESULT Button::Apply(HWND window, const ButtonStep& step) {
  if (step.stopTimer) KillTimer(window, id_);
  if (step.state != state_) {
    state_ = step.state;
    const RECT area{rect_.left, rect_.top, rect_.right, rect_.bottom};
    InvalidateRect(window, &area, TRUE);
  }
  if (step.startTimer) SetTimer(window, id_, kButtonPollMilliseconds, nullptr);
  if (step.command) SendMessageW(window, platform::kWmImeUiCommand, id_, 0);
  return step.consumed ? 1 : 0;
}

LRESULT Button::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!visible()) return 0;
  if (message == WM_SETCURSOR) message = HIWORD(lParam);
  switch (message) {
    case WM_MOUSEMOVE: return Apply(window, StepButton(state_, ButtonEvent::kMove, Hit(window)));
    case WM_LBUTTONDOWN: return Apply(window, StepButton(state_, ButtonEvent::kPress, Hit(window)));
    case WM_LBUTTONUP: return Apply(window, StepButton(state_, ButtonEvent::kRelease, Hit(window)));
    case WM_TIMER:
      if (wParam != id_) return 0;
      return Apply(window, StepButton(state_, ButtonEvent::kPoll, Hit(window)));
    default: return 0;
  }
}

void Button::Paint(HDC dc) {
  if (!visible()) return;
  const COLORREF key = kButtonKeyColor;
  DrawBitmap(dc, images_[static_cast<size_t>(state_)], rect_.left, rect_.top, &key);
}

}  // namespace kellavor::ui
