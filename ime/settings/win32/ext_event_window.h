// The hidden window through which other programs steer the module in every process that has it
// loaded: reload the settings or the theme, save, clear, release or reopen the dictionaries. One
// per process; senders find the windows by class and title and message each of them.
#pragma once

#include <windows.h>

#include "ime/settings/ext_event_actions.h"

namespace kellavor::settings {

inline constexpr wchar_t kExtEventClassName[] = L"Tessal_ExtEventCl";
inline constexpr wchar_t kExtEventWindowTitle[] = L"Tessal_ExtEventWi";

inline constexpr UINT WM_IMEEXT_CLEARUSER = WM_APP + 100;
inline constexpr UINT WM_IMEEXT_SAVEUSER = WM_APP + 101;
inline constexpr UINT WM_IMEEXT_CLOSEUSER = WM_APP + 103;
inline constexpr UINT WM_IMEEXT_REOPENUSER = WM_APP + 104;
inline constexpr UINT WM_IMEEXT_RELEASEPHRASES = WM_APP + 105;
inline constexpr UINT WM_IMEEXT_NOOP = WM_APP + 106;
inline constexpr UINT WM_IMEEXT_RELOADSETTINGS = WM_APP + 108;
inline constexpr UINT WM_IMEEXT_THEMECHANGED = WM_APP + 110;

// Registers the class and creates the hidden window, which hands its messages to actions (they
// must outlive the window) and answers 1 to every one of them; a message it does not know gets
// the default window procedure. False when the class cannot be registered, which is also what a
// second call finds: the window created first stays the process's one window.
bool CreateExtEventWindow(HINSTANCE instance, ExtEventActions& actions);

// Destroys the window if it still exists and unregisters the class; a second call does nothing.
void DestroyExtEventWindow(HINSTANCE instance);

}  // namespace kellavor::settings
