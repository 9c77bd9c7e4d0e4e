// Shared-memory names of the user's session: the module's names are per logon session on
// Windows; here each user gets their own by a suffix with the user id.
#pragma once

#include <unistd.h>

#include <string>

#include "ime/platform/utf.h"

namespace kellavor::platform {

inline std::string SessionObjectName(const std::u16string& name, const char* suffix) {
  std::string result = "/";
  result.append(Utf16ToUtf8(name));
  result.push_back('-');
  result.append(std::to_string(getuid()));
  result.append(suffix);
  return result;
}

}  // namespace kellavor::platform
