// The module installed as a machine's input method: an install folder holding the built data and
// the module, recorded for setup under "mainPath", and the module registered with the manager.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

namespace kellavor::wine {

struct InstalledModule {
  std::filesystem::path installFolder;  // ends without a separator
  std::filesystem::path modulePath;     // the module inside the install folder
  std::filesystem::path userFolder;     // where the module keeps the user's files
  HKL layout = nullptr;                 // the keyboard layout that names the module
};

// Copies the build's install folder and module into folder, then registers it.
InstalledModule InstallModule(const std::filesystem::path& builtInstallFolder, const std::filesystem::path& builtModule,
                              const std::filesystem::path& folder);

// Records the install folder under "mainPath" and registers the module file in it, reusing the
// layout of an earlier run. The user folder is left as it is.
InstalledModule RegisterModule(const std::filesystem::path& folder, const std::filesystem::path& moduleName);

// The user folder the module uses in this account.
std::filesystem::path ModuleUserFolder();

}  // namespace kellavor::wine
