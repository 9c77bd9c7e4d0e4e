// Any bytes as a theme package (*.thm). The reader takes them from an exact-size copy; what it
// accepts must hold only what a theme may: theme.ini and bitmaps under plain, distinct names,
// within the size limits. Then the installer switches a user folder with a current theme to the
// package: a refused package must leave every file of that folder as it was, an accepted one must
// leave exactly its members in the theme folder and usetheme set, and no staging folder behind.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "fuzz/fuzz_folder.h"
#include "ime/platform/file_system.h"
#include "ime/platform/private_profile.h"
#include "theme_installer/theme_package.h"
#include "theme_installer/theme_switch.h"

namespace {

using namespace kellavor;
using namespace kellavor::theme_installer;
namespace fs = std::filesystem;

using Files = std::map<std::u16string, std::vector<uint8_t>>;

// Every file under folder by its relative path, with its bytes.
Files FilesUnder(const fs::path& folder) {
  Files files;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    files[entry.path().lexically_relative(folder).u16string()] =
        platform::ReadWholeFile(entry.path().u16string(), kMaxPackageBytes).value_or(std::vector<uint8_t>{});
  }
  return files;
}

// The user folder as the installer finds it: a current theme and config.ini.
const Files& SetUpUserFolder(const fs::path& user) {
  static const Files before = [&] {
    std::error_code ignored;
    fs::remove_all(user, ignored);
    fs::create_directories(user / "theme");
    platform::WriteWholeFile((user / "theme" / "theme.ini").u16string(), "[Display]\r\nFONT_CHANGE=0\r\n", 25);
    platform::WriteWholeFile((user / "theme" / "comb.bmp").u16string(), "BM", 2);
    platform::WriteWholeFile((user / "config.ini").u16string(), "[UI]\r\nusetheme=0\r\niscomb=1\r\n", 28);
    return FilesUnder(user);
  }();
  return before;
}

void Restore(const fs::path& user, const Files& files) {
  fs::remove_all(user);
  for (const auto& [name, bytes] : files) {
    fs::create_directories((user / name).parent_path());
    platform::WriteWholeFile((user / name).u16string(), bytes.data(), bytes.size());
  }
}

std::u16string Lowered(std::u16string name) {
  for (char16_t& unit : name) unit = unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit - u'A' + u'a') : unit;
  return name;
}

void CheckMembers(const ThemePackage& package) {
  if (package.members.empty() || package.members.size() > kMaxMembers) std::abort();
  bool settings = false;
  for (const ThemeMember& member : package.members) {
    if (!IsPlainFileName(member.name)) std::abort();
    const std::u16string lowered = Lowered(member.name);
    if (lowered == u"theme.ini") {
      settings = true;
      if (member.bytes.size() > kMaxSettingsBytes) std::abort();
    } else if (!lowered.ends_with(u".bmp") || !IsBitmapFile(member.bytes) || member.bytes.size() > kMaxMemberBytes) {
      std::abort();
    }
    for (const ThemeMember& other : package.members) {
      if (&other != &member && Lowered(other.name) == lowered) std::abort();
    }
  }
  if (!settings) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const PackageResult read = ReadThemePackage(std::span<const uint8_t>(data, size));
  if (read.package.has_value() != read.fault.empty()) std::abort();
  if (read.package) CheckMembers(*read.package);

  const fs::path user = fs::path(fuzz::ScratchPath(u"user"));
  const Files& before = SetUpUserFolder(user);
  fuzz::WriteScratchFile(u"package.thm", data, size);
  const SwitchOutcome outcome = SwitchTheme({ThemeCommand::Action::kUse, fuzz::ScratchPath(u"package.thm")},
                                            fuzz::ScratchPath(u"user/"));
  const Files after = FilesUnder(user);
  if (!read.package) {
    if (outcome.result != SwitchResult::kPackageRefused || after != before) std::abort();
    return 0;
  }
  if (outcome.result != SwitchResult::kDone) std::abort();
  Files expected;
  for (const ThemeMember& member : read.package->members) expected[u"theme/" + member.name] = member.bytes;
  char16_t value[8] = {};
  platform::ReadProfileValue(u"UI", u"usetheme", u"", value, 8, (user / "config.ini").u16string());
  if (std::u16string_view(value) != u"1") std::abort();
  expected[u"config.ini"] = after.count(u"config.ini") != 0 ? after.at(u"config.ini") : std::vector<uint8_t>{};
  if (after != expected) std::abort();
  Restore(user, before);
  return 0;
}
