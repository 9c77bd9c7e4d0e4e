// The module's four window classes: the UI window that the input-method manager creates, and the
// composition, candidate and status windows that it owns.
#pragma once

#include <windows.h>

#include <string_view>

#include "ime/platform/ime_messages.h"
#include "ime/ui/win32/ui_window_parts.h"

namespace kellavor::ui {

// A class name of core/ime_messages.h as the W functions take it (the names are literals, so
// they end with a NUL).
inline const wchar_t* ClassName(std::u16string_view name) { return reinterpret_cast<const wchar_t*>(name.data()); }

// The class style of all four.
inline constexpr UINT kWindowClassStyle = CS_IME | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
// The UI window's extra bytes: slot 0 holds the input context, written by the manager.
inline constexpr int kUiWindowExtraBytes = 8;

struct WindowProcedures {
  WNDPROC composition = nullptr;
  WNDPROC candidate = nullptr;
  WNDPROC status = nullptr;
};

// Registers the classes in the order UI, composition, candidate, status, and stops at the first
// that fails; the UI class runs UiWindowProc on parts, which must stay until the classes are
// unregistered. A
// procedure left out is the default window procedure. Returns how many were registered.
int RegisterWindowClasses(HINSTANCE instance, const WindowProcedures& procedures, const UiWindowParts& parts);

// Unregisters the four classes; classes that are not registered are passed over.
void UnregisterWindowClasses(HINSTANCE instance);

// The parts a window of the UI class drives; null for a window of another class.
const UiWindowParts* UiWindowPartsOf(HWND window);

}  // namespace kellavor::ui
