// Paths for libraries that open files through the C runtime's narrow (char) file functions.
#pragma once

#include <optional>
#include <string>

namespace kellavor::platform {

// The byte-string form of path under which fopen and std::ifstream open the same file.
// POSIX: the UTF-8 path. Windows: the path in the ANSI code page when that code page represents
// every character of it; otherwise the short (8.3) form of the path when the volume keeps one and
// the code page represents it. Absent when there is no such form (the file cannot be opened
// through a narrow path) or the file does not exist and the long path is not representable.
std::optional<std::string> NarrowFilePath(const std::u16string& path);

}  // namespace kellavor::platform
