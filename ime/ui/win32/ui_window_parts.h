// What the UI window drives: the input panel's composition and candidate windows, the status
// bar's window and the soft keyboard (core::SoftKeyboardWindow, which the engine uses as well).
// Each is an object of its own that implements its part here; a part that is absent (null) is
// skipped, as during the module's shutdown.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "ime/core/soft_keyboard_window.h"
#include "ime/settings/ime_settings.h"

namespace kellavor::ui {

// The input panel's two windows.
class InputPanelWindows {
 public:
  virtual ~InputPanelWindows() = default;
  // Creates both windows, hidden, owned by the UI window, unless the composition window exists.
  virtual void CreateWindows(HWND uiWindow) = 0;
  // Destroys the windows that exist and forgets them.
  virtual void DestroyWindows() = 0;
  // Hides the windows that exist and tells the viewer to hide.
  virtual void HideWindows() = 0;
  // Sizes both windows to their content and skin.
  virtual void Layout() = 0;
  // Places the windows at the screen point (x, y), or beside the caret when both are -1.
  virtual void Place(HWND uiWindow, int x, int y) = 0;
  // Shows the windows that have something to show and hides the others.
  virtual void UpdateVisibility(HWND uiWindow) = 0;
  // Reads the skin again from the current theme.
  virtual void ReloadTheme() = 0;
};

// The status bar's window.
class StatusBarWindow {
 public:
  virtual ~StatusBarWindow() = default;
  // Creates the status window for the owner if it does not exist, places and shows it.
  virtual void OpenWindow(HWND owner) = 0;
  // The status window, or null.
  virtual HWND Window() const = 0;
  // Hides and destroys the status window if it exists, and forgets it.
  virtual void CloseWindow() = 0;
  // Makes the status window translucent: 255 opaque, 0 invisible.
  virtual void SetOpacity(uint8_t alpha) = 0;
  // Reads the skin again from the current theme.
  virtual void ReloadTheme() = 0;
};

struct UiWindowParts {
  const settings::ImeSettings* settings = nullptr;
  InputPanelWindows* inputPanel = nullptr;
  StatusBarWindow* statusBar = nullptr;
  core::SoftKeyboardWindow* softKeyboard = nullptr;
  // Makes what the first key of a process needs, when the thread takes its posted messages after a
  // context was activated: the user is about to type, and the first key need not wait for it.
  std::function<void()> prepareFirstKey;
};

}  // namespace kellavor::ui
