// Keys as the window system describes them in key messages, for the programs that type into an
// application through the input-method manager (the harness, the setup check, the demonstration).
#pragma once

#include <windows.h>

#include <cstdint>

#include "ime/platform/win32/imm_device.h"

namespace kellavor::wine {

// The generic modifier a left or right one stands for, 0 for every other key.
inline UINT GenericKey(UINT virtualKey) {
  switch (virtualKey) {
    case VK_LSHIFT: case VK_RSHIFT: return VK_SHIFT;
    case VK_LCONTROL: case VK_RCONTROL: return VK_CONTROL;
    case VK_LMENU: case VK_RMENU: return VK_MENU;
    default: return 0;
  }
}

// Key data as the window system puts it into a key message: repeat count 1, the scan code,
// previous state and transition bits set for a release.
inline LPARAM KeyData(UINT virtualKey, bool release, bool wasDown) {
  uint32_t data = 1 | (MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC) << 16);
  if (wasDown) data |= 1u << 30;
  if (release) data |= 1u << 31;
  return static_cast<LPARAM>(static_cast<LONG>(data));
}

using ImeToAsciiExFunction = UINT(WINAPI*)(UINT, UINT, const BYTE*, TRANSMSGLIST*, UINT, HIMC);

// The ImeToAsciiEx of the loaded module behind layout, null when there is none.
inline ImeToAsciiExFunction ModuleImeToAsciiEx(HKL layout) {
  wchar_t file[MAX_PATH] = {};
  ImmGetIMEFileNameW(layout, file, MAX_PATH);
  return reinterpret_cast<ImeToAsciiExFunction>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(file), "ImeToAsciiEx")));
}

// A key as user32 hands it to the module: the character the key types in the high word (0 for
// none), the virtual key in the low word.
inline UINT ModuleKey(UINT virtualKey, UINT scanCode, const BYTE* keyState, HKL layout) {
  wchar_t character = 0;
  if (ToUnicodeEx(virtualKey, scanCode, keyState, &character, 1, 0, layout) != 1) character = 0;
  return MAKELONG(virtualKey, character);
}

}  // namespace kellavor::wine
