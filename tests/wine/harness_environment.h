// What every test of the harness shares: the module installed once per process, from the build
// named by the environment (KELLAVOR_INSTALL_FOLDER, KELLAVOR_IME_MODULE) into the test folder.
#pragma once

#include "tests/wine/installed_module.h"

namespace kellavor::wine {

const InstalledModule& Installed();

// The module as loaded into this process; null before the manager loaded it.
HMODULE LoadedModule();

}  // namespace kellavor::wine
