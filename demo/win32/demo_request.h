// The requests the demonstration driver sends into notepad's thread, where its hook carries them
// out: the registered message kDemoRequestMessage sent to notepad's main window, whose wParam is a
// global atom naming the request.
//   activate LAYOUT   loads and activates the layout (its id in hex) and opens the input method
//   keys SCRIPT       types SCRIPT into the focused window (see demo_keys.h)
#pragma once

#include <windows.h>

namespace kellavor::demo {

constexpr wchar_t kDemoRequestMessage[] = L"KellavorDemoRequest";

}  // namespace kellavor::demo
