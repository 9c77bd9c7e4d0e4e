// Shared-memory names of the user's session: the module's names are per logon session on
// Windows; here each user gets their own by a suffix with the user id.
#pragma once

#include <unistd.h>

#include <string>

#include "ime/platform/utf.h"

namespace kellavor::platform {

inline std::string SessionObjectName(const std::u16string& name, const char* suffix) {
  return "/" + Utf16ToUtf8(name) + "-" + std::to_string(getuid()) + suffix;
}

}  // namespace kellavor::platform
