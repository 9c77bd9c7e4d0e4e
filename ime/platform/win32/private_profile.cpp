#include "ime/platform/private_profile.h"

#include <windows.h>

#include <algorithm>

#include "ime/platform/win32/wide.h"

namespace kellavor::platform {

size_t ReadProfileValue(const std::u16string& section, const std::u16string& key,
                        const std::u16string& defaultValue, char16_t* buffer, size_t capacity,
                        const std::u16string& path) {
  if (capacity == 0) return 0;
  const DWORD size = static_cast<DWORD>(std::min<size_t>(capacity, MAXDWORD));
  return GetPrivateProfileStringW(Wide(section), Wide(key), Wide(defaultValue), Wide(buffer), size, Wide(path));
}

bool WriteProfileValue(const std::u16string& section, const std::u16string& key,
                       const std::u16string& value, const std::u16string& path) {
  return WritePrivateProfileStringW(Wide(section), Wide(key), Wide(value), Wide(path)) != FALSE;
}

}  // namespace kellavor::platform
