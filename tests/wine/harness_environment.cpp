#include "tests/wine/harness_environment.h"

#include <cstdlib>
#include <stdexcept>

#include "tests/support/test_folder.h"

namespace kellavor::wine {
namespace {

std::filesystem::path FromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) throw std::runtime_error(std::string(name) + " is not set");
  return std::filesystem::path(value).make_preferred();
}

InstalledModule InstallOnce() {
  // A child process of the harness shares the installation of its parent.
  if (std::getenv("KELLAVOR_HARNESS_CHILD") == nullptr) {
    std::filesystem::remove_all(ModuleUserFolder());
    TestFolder folder("installed");
    return InstallModule(FromEnvironment("KELLAVOR_INSTALL_FOLDER"), FromEnvironment("KELLAVOR_IME_MODULE"),
                         folder.Native() / "Kellavor IME");
  }
  return RegisterModule(FromEnvironment("KELLAVOR_HARNESS_INSTALL"), FromEnvironment("KELLAVOR_IME_MODULE").filename());
}

}  // namespace

const InstalledModule& Installed() {
  static const InstalledModule installed = InstallOnce();
  return installed;
}

HMODULE LoadedModule() { return GetModuleHandleW(Installed().modulePath.c_str()); }

}  // namespace kellavor::wine
