#include "ime/platform/copy_data.h"

#include <windows.h>

#include "ime/platform/win32/wide.h"

namespace kellavor::platform {

bool SendCopyData(const std::u16string& className, const std::u16string& title, uintptr_t dwData,
                  const void* data, size_t size) {
  constexpr UINT kHungTimeoutMs = 5000;
  if (size > MAXDWORD) return false;
  HWND window = FindWindowW(Wide(className), Wide(title));
  if (window == nullptr) return false;
  COPYDATASTRUCT block {};
  block.dwData = dwData;
  block.cbData = static_cast<DWORD>(size);
  block.lpData = const_cast<void*>(data);
  DWORD_PTR answer = 0;
  return SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&block),
                             SMTO_BLOCK | SMTO_ABORTIFHUNG, kHungTimeoutMs, &answer) != 0;
}

}  // namespace kellavor::platform
