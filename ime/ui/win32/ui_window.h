// The UI window: the input-method manager creates one per thread from the class the module names
// ("KellavorIME_UI"), keeps the thread's current input context in slot 0 of its extra bytes and
// sends it the IME messages. It opens, places, shows, hides and destroys the module's visible
// windows, which it owns.
#pragma once

#include <windows.h>

namespace kellavor::ui {

// The module's private message: the panel contents changed; rebuild, size, place and show the
// panel windows.
inline constexpr UINT WM_IMEUI_REFRESH = WM_APP + 4;

// The window procedure of the class. It drives the parts (UiWindowParts) the class was
// registered with.
LRESULT CALLBACK UiWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace kellavor::ui
