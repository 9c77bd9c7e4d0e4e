#include "ime/settings/install_path.h"

#include "ime/platform/registry.h"

namespace kellavor::settings {

std::u16string ReadInstallPath() { return platform::ReadInstallFolderValue(); }

}  // namespace kellavor::settings
