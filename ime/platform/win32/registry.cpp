#include "ime/platform/registry.h"

#include <windows.h>

#include "ime/platform/win32/wide.h"

namespace kellavor::platform {

std::u16string ReadInstallFolderValue() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SoftWare\\Cendravia\\KellavorIME", 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return {};
  }
  wchar_t data[130] = {};
  DWORD type = 0;
  DWORD size = sizeof data;
  const LSTATUS status = RegQueryValueExW(key, L"mainPath", nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return {};
  // The stored data need not end with a terminator; never read past what was stored.
  std::u16string path(Utf16(data), size / sizeof(wchar_t));
  return path.substr(0, path.find(u'\0'));
}

}  // namespace kellavor::platform
