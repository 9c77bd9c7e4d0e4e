// What the fuzz targets share: a scratch folder of the process, files written into it, and the
// fixture dictionaries the dictionary writer made for this build.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "ime/platform/module_resources.h"

namespace kellavor::fuzz {

// A folder of this process under the temporary folder, made on first use; ends with a separator.
inline const std::u16string& ScratchFolder() {
  static const std::u16string folder = [] {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("kellavor-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(path);
    return path.u16string() + u'/';
  }();
  return folder;
}

inline std::u16string ScratchPath(std::u16string_view name) { return ScratchFolder() + std::u16string(name); }

inline void WriteScratchFile(std::u16string_view name, const uint8_t* data, size_t size) {
  std::ofstream(std::filesystem::path(ScratchPath(name)), std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

inline void WriteScratchFile(std::u16string_view name, std::string_view text) {
  WriteScratchFile(name, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

inline void RemoveScratchFile(std::u16string_view name) {
  std::error_code ignored;
  std::filesystem::remove(std::filesystem::path(ScratchPath(name)), ignored);
}

// The fixture dictionaries, ending with a separator; they are also the module's resources.
inline std::u16string FixtureFolder() {
  static const std::u16string folder = [] {
    const std::u16string path = std::filesystem::path(KELLAVOR_FUZZ_FIXTURES).u16string() + u'/';
    platform::SetResourceFolder(path);
    return path;
  }();
  return folder;
}

// A name for shared objects that no other process uses.
inline std::u16string UniqueName(std::u16string_view what) {
  const std::string pid = std::to_string(getpid());
  return u"KellavorFuzz_" + std::u16string(what) + u"_" + std::u16string(pid.begin(), pid.end());
}

}  // namespace kellavor::fuzz
