// The install folder, as setup recorded it for the machine (see platform/registry.h for where
// that is). Empty when it is not recorded; it is used as a plain prefix of file names.
#pragma once

#include <string>

namespace kellavor::settings {

std::u16string ReadInstallPath();

}  // namespace kellavor::settings
