// The soft-keyboard window of the process, which the module's window side shows and hides. The
// engine only asks for it to be made anew when a context that has it switched on is selected.
#pragma once

#include <cstdint>

#include "ime/platform/ime_port.h"

namespace kellavor::core {

class SoftKeyboardWindow {
 public:
  virtual ~SoftKeyboardWindow() = default;
  // Destroys the window, if there is one.
  virtual void DestroySoftKeyboard() = 0;
  // Creates, places and fills a window for owner with the layout.
  virtual void CreateSoftKeyboard(platform::WindowHandle owner, uint32_t layout) = 0;
};

}  // namespace kellavor::core
