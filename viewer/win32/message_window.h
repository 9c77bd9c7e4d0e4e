// The viewer's hidden message window, through which the module finds the viewer and sends it
// its commands (WM_APP + 1, the command in wParam, answered with 1).
#pragma once

#include <windows.h>

#include "viewer/viewer_controller.h"

namespace kellavor::viewer {

inline constexpr wchar_t kMessageWindowClass[] = L"KellavorIME_DETAIL_UI_CLASS";
inline constexpr wchar_t kMessageWindowTitle[] = L"KellavorIME_Nerovask";
inline constexpr UINT kViewerCommandMessage = WM_APP + 1;

// Registers the class and creates the window hidden, handing its commands to the controller.
// Null when the class could not be registered or the window not created.
HWND CreateViewerMessageWindow(HINSTANCE instance, ViewerController& controller);
// Destroys the window if it still exists and unregisters the class.
void DestroyViewerMessageWindow(HINSTANCE instance, HWND window);

}  // namespace kellavor::viewer
