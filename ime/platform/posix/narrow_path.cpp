#include "ime/platform/narrow_path.h"

#include "ime/platform/posix/path_utf8.h"

namespace kellavor::platform {

std::optional<std::string> NarrowFilePath(const std::u16string& path) { return NativePath(path); }

}  // namespace kellavor::platform
