// The other end of the external event windows: programs beside the module (the settings program,
// the theme installer) tell every process that has the module loaded to reload its settings or its
// theme. Each such process owns one window of the same class and title, so every one is sent to.
#pragma once

#include <windows.h>

namespace kellavor::settings {

// Sends message (wParam and lParam 0) to every window of class "Tessal_ExtEventCl" and title
// "Tessal_ExtEventWi" and returns how many answered; a window that does not answer within five
// seconds, or is hung, is passed over so that one stuck application does not stop the others.
int SendToEveryEventWindow(UINT message);

}  // namespace kellavor::settings
