// The soft keyboard on screen: the input-method manager's keyboard window of type C1, filled with
// the chosen layout's characters and placed at the bottom right of the work area, clear of the
// status bar. Where the manager makes no such window (Wine's does not) the module shows one of its
// own that draws the same tables, so that keys the soft keyboard takes are never taken unseen.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>

#include "ime/core/input_panel.h"
#include "ime/core/soft_keyboard_window.h"

namespace kellavor::ui {

// The class of the module's own keyboard window.
inline constexpr wchar_t kSoftKeyboardClass[] = L"KellavorIME_SoftKbd";

class SoftKeyboards final : public core::SoftKeyboardWindow {
 public:
  // The panel tells where the status bar stands.
  SoftKeyboards(HINSTANCE instance, const core::InputPanel& panel);
  ~SoftKeyboards() override;
  SoftKeyboards(const SoftKeyboards&) = delete;
  SoftKeyboards& operator=(const SoftKeyboards&) = delete;

  void DestroySoftKeyboard() override;
  void CreateSoftKeyboard(platform::WindowHandle owner, uint32_t layout) override;

  static LRESULT CALLBACK OwnKeyboardProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  HWND CreateOwnKeyboard(HWND owner);

  HINSTANCE instance_;
  const core::InputPanel& panel_;
  HWND window_ = nullptr;
  bool own_ = false;
  bool classRegistered_ = false;
};

}  // namespace kellavor::ui
