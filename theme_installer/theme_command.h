// The theme installer's command line, as the module's theme menu writes it: "-use" followed by a
// package path (directly or after blanks, quoted or not), or "-usenone" for the built-in skin.
#pragma once

#include <string>
#include <string_view>

namespace kellavor::theme_installer {

struct ThemeCommand {
  enum class Action { kUse, kUseNone, kInvalid };
  Action action = Action::kInvalid;
  std::u16string path;  // for kUse
};

// The switch names compare without regard to ASCII case.
ThemeCommand ParseThemeCommand(std::u16string_view arguments);

}  // namespace kellavor::theme_installer
