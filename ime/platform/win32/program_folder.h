// The folder of the running program, which for the programs beside the module is the install folder.
#pragma once

#include <windows.h>

#include <string>

namespace kellavor::platform {

// Ending with a separator; empty when the path does not fit MAX_PATH.
inline std::u16string ProgramFolder() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (length == 0 || length == MAX_PATH) return {};
  const std::u16string file(reinterpret_cast<const char16_t*>(path), length);
  return file.substr(0, file.find_last_of(u"\\/") + 1);
}

}  // namespace kellavor::platform
