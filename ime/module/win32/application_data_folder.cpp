#include "ime/module/win32/application_data_folder.h"

#include <windows.h>

#include <shlobj.h>

#include "ime/platform/win32/wide.h"

namespace kellavor::module {

std::u16string ApplicationDataFolder() {
  wchar_t folder[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathW(nullptr, folder, CSIDL_APPDATA, FALSE)) return {};
  folder[MAX_PATH - 1] = L'\0';
  return platform::Utf16(folder);
}

}  // namespace kellavor::module
