#include "theme_installer/theme_switch.h"

#include <filesystem>
#include <system_error>

#include "ime/platform/file_system.h"
#include "ime/platform/private_profile.h"
#include "theme_installer/theme_package.h"

namespace kellavor::theme_installer {
namespace {

namespace fs = std::filesystem;

SwitchOutcome Failed(SwitchResult result, std::string fault) { return {result, std::move(fault)}; }

// Writes the members into a staging folder and swaps it in for the theme folder.
SwitchOutcome Unpack(const ThemePackage& package, const fs::path& user) {
  const fs::path theme = user / u"theme";
  const fs::path staging = user / u"theme.new";
  const fs::path old = user / u"theme.old";
  std::error_code error;
  fs::remove_all(staging, error);
  fs::remove_all(old, error);
  if (!fs::create_directories(staging, error)) return Failed(SwitchResult::kNotWritten, "the staging folder cannot be made");
  for (const ThemeMember& member : package.members) {
    if (!platform::WriteWholeFile((staging / member.name).u16string(), member.bytes.data(), member.bytes.size())) {
      fs::remove_all(staging, error);
      return Failed(SwitchResult::kNotWritten, "a member cannot be written");
    }
  }
  if (fs::exists(theme, error)) {
    fs::rename(theme, old, error);
    if (error) {
      fs::remove_all(staging, error);
      return Failed(SwitchResult::kNotWritten, "the current theme folder cannot be moved aside");
    }
  }
  fs::rename(staging, theme, error);
  if (error) {
    std::error_code ignored;
    fs::rename(old, theme, ignored);
    fs::remove_all(staging, ignored);
    return Failed(SwitchResult::kNotWritten, "the new theme folder cannot be put in place");
  }
  fs::remove_all(old, error);
  return {};
}

}  // namespace

SwitchOutcome SwitchTheme(const ThemeCommand& command, const std::u16string& userFolder) {
  if (command.action == ThemeCommand::Action::kInvalid || userFolder.empty()) {
    return Failed(SwitchResult::kBadCommand, "usage: -use PACKAGE or -usenone");
  }
  const std::u16string settingsFile = userFolder + u"config.ini";
  if (command.action == ThemeCommand::Action::kUse) {
    const std::optional<std::vector<uint8_t>> file = platform::ReadWholeFile(command.path, kMaxPackageBytes);
    if (!file) return Failed(SwitchResult::kPackageRefused, "the package cannot be read or is too large");
    const PackageResult read = ReadThemePackage(*file);
    if (!read.package) return Failed(SwitchResult::kPackageRefused, read.fault);
    const SwitchOutcome unpacked = Unpack(*read.package, fs::path(userFolder));
    if (unpacked.result != SwitchResult::kDone) return unpacked;
  }
  const bool use = command.action == ThemeCommand::Action::kUse;
  if (!platform::WriteProfileValue(u"UI", u"usetheme", use ? u"1" : u"0", settingsFile)) {
    return Failed(SwitchResult::kNotWritten, "config.ini cannot be written");
  }
  return {};
}

}  // namespace kellavor::theme_installer
