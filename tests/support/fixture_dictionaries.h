// The fixture dictionaries that the dictionary writer builds from tests/fixtures/dictionary/ at
// test time, found through KELLAVOR_FIXTURE_DICTIONARIES (set by CTest), with the module resources
// beside them.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include "ime/platform/file_system.h"
#include "ime/platform/module_resources.h"

namespace kellavor {

// The folder, ending with a separator; empty when the variable is not set.
inline std::u16string FixtureDictionaryFolder() {
  const char* folder = std::getenv("KELLAVOR_FIXTURE_DICTIONARIES");
  if (folder == nullptr) return {};
  return std::filesystem::path(folder).make_preferred().u16string() + platform::kPathSeparator;
}

inline std::u16string FixtureDictionaryPath(const std::u16string& file) { return FixtureDictionaryFolder() + file; }

// Makes the fixture resources the module's resources: natively the folder is the resource folder;
// a Windows test executable carries them as its own resources already.
inline void UseFixtureResources() {
#ifndef _WIN32
  platform::SetResourceFolder(FixtureDictionaryFolder());
#endif
}

}  // namespace kellavor
