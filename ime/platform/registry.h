// The install folder that setup recorded for the machine.
#pragma once

#include <string>

namespace kellavor::platform {

// Windows: the string value "mainPath" of HKEY_LOCAL_MACHINE "SoftWare\Cendravia\KellavorIME",
// read with at most 260 bytes of data (129 units and the terminator). Natively, where there is no
// registry, the environment variable KELLAVOR_MAIN_PATH (UTF-8) stands in for it, under the same
// limit. Empty when the value is missing, is not a string or does not fit.
std::u16string ReadInstallFolderValue();

}  // namespace kellavor::platform
