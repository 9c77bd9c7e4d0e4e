// The user's roaming application-data folder, as the shell reports it.
#pragma once

#include <string>

namespace kellavor::module {

// Without a trailing separator; empty when the shell knows none. The folder is not created.
std::u16string ApplicationDataFolder();

}  // namespace kellavor::module
