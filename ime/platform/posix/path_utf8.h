// POSIX paths are the UTF-8 form of the module's UTF-16 paths.
#pragma once

#include <string>

#include "ime/platform/utf.h"

namespace kellavor::platform {

inline std::string NativePath(const std::u16string& path) { return Utf16ToUtf8(path); }

}  // namespace kellavor::platform
