// What the theme installer does with its command, short of telling the running modules: a package
// is read and checked whole, unpacked into a fresh folder beside the current theme folder, and only
// then put in its place, so that a refused or half-written package leaves the current theme as it
// was; then config.ini's usetheme is set. "-usenone" sets usetheme to 0 and leaves the folder.
#pragma once

#include <string>

#include "theme_installer/theme_command.h"

namespace kellavor::theme_installer {

// Also the program's exit codes.
enum class SwitchResult { kDone = 0, kBadCommand = 1, kPackageRefused = 2, kNotWritten = 3 };

struct SwitchOutcome {
  SwitchResult result = SwitchResult::kDone;
  std::string fault;  // for the debug output; empty when done
};

// userFolder ends with a separator; the theme folder is its "theme" and config.ini lies in it.
SwitchOutcome SwitchTheme(const ThemeCommand& command, const std::u16string& userFolder);

}  // namespace kellavor::theme_installer
