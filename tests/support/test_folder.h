// A fresh, empty folder for one test, under KELLAVOR_TEST_TMP (set by CTest) or the system's
// temporary folder. Left in place afterwards so that a failing test can be inspected.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include "ime/platform/file_system.h"

namespace kellavor {

class TestFolder {
 public:
  explicit TestFolder(const std::string& name) {
    const char* root = std::getenv("KELLAVOR_TEST_TMP");
    std::filesystem::path base = root != nullptr ? std::filesystem::path(root) : std::filesystem::temp_directory_path() / "kellavor-tests";
    path_ = (base / name).make_preferred();
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }

  // The folder itself, ending with a separator, as the module builds its folders.
  std::u16string Folder() const { return path_.u16string() + platform::kPathSeparator; }
  std::u16string Path(const std::u16string& file) const { return Folder() + file; }
  const std::filesystem::path& Native() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace kellavor
