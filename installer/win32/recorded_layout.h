// The keyboard layout the setup registered, as it records it in its uninstall entry, for the
// programs that activate the installed input method (the setup check, the demonstration).
#pragma once

#include <windows.h>

#include <string>

namespace kellavor::installer {

// The layout id ("E0xx0804"), or empty when no setup recorded one.
inline std::wstring RecordedLayout() {
  wchar_t value[16] = {};
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\KellavorIME", L"LayoutId",
                   RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS) {
    return {};
  }
  return value;
}

}  // namespace kellavor::installer
