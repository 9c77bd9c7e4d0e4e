#include "ime/platform/utf8_file.h"

#include "ime/platform/file_system.h"

namespace kellavor::platform {

bool WriteUtf8File(const std::u16string& path, std::string_view bytes) {
  return platform::WriteWholeFile(path, bytes.data(), bytes.size());
}

}  // namespace kellavor::platform
