#include "theme_installer/theme_command.h"

#include "ime/platform/program_arguments.h"

namespace kellavor::theme_installer {
namespace {

bool StartsWithFolded(std::u16string_view text, std::u16string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    char16_t unit = text[i];
    if (unit >= u'A' && unit <= u'Z') unit = static_cast<char16_t>(unit + 32);
    if (unit != prefix[i]) return false;
  }
  return true;
}

}  // namespace

ThemeCommand ParseThemeCommand(std::u16string_view arguments) {
  arguments = platform::TrimmedBlanks(arguments);
  if (StartsWithFolded(arguments, u"-usenone") && arguments.size() == 8) return {ThemeCommand::Action::kUseNone, {}};
  if (!StartsWithFolded(arguments, u"-use")) return {};
  std::u16string_view path = platform::TrimmedBlanks(arguments.substr(4));
  if (path.size() >= 2 && path.front() == u'"' && path.back() == u'"') {
    path = platform::TrimmedBlanks(path.substr(1, path.size() - 2));
  }
  if (path.empty() || path.find(u'"') != std::u16string_view::npos) return {};
  return {ThemeCommand::Action::kUse, std::u16string(path)};
}

}  // namespace kellavor::theme_installer
