// Which INI file a settings write may change. The writer acts for programs that may not write
// anything themselves, so it must not become their way to write any file the user can: the only
// file a module's settings write names is the user's config.ini, and every other path is refused.
#pragma once

#include <string>

namespace kellavor::ext_writer {

// Whether path names config.ini in userFolder (which ends with a separator). Letters compare
// without regard to ASCII case and "/" counts as "\", as the file system sees them; any other
// spelling (a relative path, "..", a short name) is refused.
bool IsUserSettingsFile(const std::u16string& path, const std::u16string& userFolder);

}  // namespace kellavor::ext_writer
