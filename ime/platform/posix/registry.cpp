#include "ime/platform/registry.h"

#include <cstdlib>

#include "ime/platform/utf.h"

namespace kellavor::platform {

std::u16string ReadInstallFolderValue() {
  constexpr size_t kMaxUnits = 129;
  const char* value = std::getenv("KELLAVOR_MAIN_PATH");
  if (value == nullptr) return {};
  std::u16string path = Utf8ToUtf16(value);
  return path.size() <= kMaxUnits ? path : std::u16string();
}

}  // namespace kellavor::platform
