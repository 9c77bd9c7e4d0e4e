// The UI window: the input-method manager creates one per thread from the class the module names
// ("KellavorIME_UI"), keeps the thread's current input context in slot 0 of its extra bytes and
// sends it the IME messages. It opens, places, shows, hides and destroys the module's visible
// windows, which it owns.
#pragma once

#include <windows.h>

namespace kellavor::ui {

// The window procedure of the class. It drives the parts (UiWindowParts) the class was
// registered with; platform::kWmImeUiRefresh asks it to lay out and show the panel windows.
LRESULT CALLBACK UiWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace kellavor::ui
