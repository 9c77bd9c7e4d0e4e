// Theme packages (*.thm): a zip archive whose members are stored without compression, holding a
// theme.ini and the bitmaps it names, all at the top level of the archive. The format is read here
// with nothing but the archive's own directory; a package is refused whole when anything in it is
// out of place: a compressed, encrypted or multi-part member, a size or checksum that does not
// agree, a name that is not a plain file name (so nothing can land outside the theme folder),
// a member that is neither theme.ini nor a Windows bitmap, or more or larger members than a theme
// needs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kellavor::theme_installer {

inline constexpr size_t kMaxPackageBytes = 32u << 20;
inline constexpr size_t kMaxMemberBytes = 8u << 20;
inline constexpr size_t kMaxSettingsBytes = 64u << 10;  // theme.ini
inline constexpr size_t kMaxMembers = 64;
inline constexpr size_t kMaxNameUnits = 64;

struct ThemeMember {
  std::u16string name;  // a plain file name: theme.ini, or a name ending in .bmp
  std::vector<uint8_t> bytes;
};

struct ThemePackage {
  std::vector<ThemeMember> members;  // theme.ini among them, in archive order
};

struct PackageResult {
  std::optional<ThemePackage> package;
  std::string fault;  // why the package was refused; empty when it was read
};

PackageResult ReadThemePackage(std::span<const uint8_t> file);

// Whether name may be unpacked into the theme folder: one file name of 1 to kMaxNameUnits
// printable units, without a separator, drive, "." or ".." component, or a character Windows
// forbids in names, and not a reserved device name.
bool IsPlainFileName(std::u16string_view name);

// Whether bytes are a Windows bitmap a theme can use: a file header and an info header that agree
// with the size, at most 4096 x 4096 pixels of 1, 4, 8, 16, 24 or 32 bits.
bool IsBitmapFile(std::span<const uint8_t> bytes);

}  // namespace kellavor::theme_installer
