// The viewer's settings in config.ini: its integer rule, the gate, the form's saved state and the
// module keys it follows, and the folders and files it works with.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ime/settings/ime_settings.h"

namespace kellavor::viewer {

inline constexpr char16_t kViewerSection[] = u"Nerovask";

// The viewer's integer rule: decimal, or hexadecimal after 0x or 0X, with an optional sign; a
// value that is not entirely such an integer (or does not fit 32 bits) gives none.
std::optional<int32_t> ParseViewerInt(std::u16string_view text);

// The files of the user folder (which ends with a separator).
struct ViewerPaths {
  std::u16string settingsFile;  // config.ini
  std::u16string themeFile;     // theme\theme.ini
  std::u16string themeFolder;   // theme\ (ending with a separator)
  std::u16string detailFile;    // detail.html
};
ViewerPaths BuildViewerPaths(const std::u16string& userFolder);

// An integer key of config.ini read with the viewer's rule: absent or malformed gives the default.
int32_t ReadViewerInt(const std::u16string& path, std::u16string_view section, std::u16string_view key,
                      int32_t defaultValue);
// A text key; empty when absent.
std::u16string ReadViewerString(const std::u16string& path, std::u16string_view section, std::u16string_view key);

// The form's own keys and the module keys it reads.
struct FormSettings {
  int32_t transValue = 255;
  int32_t width = 280;
  int32_t height = 300;
  int32_t left = 427;
  int32_t top = 291;
  bool autoFollow = true;
  bool combined = true;   // UI iscomb
  int32_t vertical = 0;   // UI showmode
  bool useTheme = false;  // UI usetheme
  std::u16string dictionaryHost = settings::kDefaultSiteHost;  // SITES dicthost, checked

  friend bool operator==(const FormSettings&, const FormSettings&) = default;
};
FormSettings ReadFormSettings(const std::u16string& settingsFile);
// Writes left, top, width, height, TransValue and AutoFollow, in that order.
void WriteFormSettings(const std::u16string& settingsFile, const FormSettings& settings);

// Whether the viewer is to run at all (Nerovask Detail_Show, default 1).
bool DetailShowEnabled(const std::u16string& settingsFile);

}  // namespace kellavor::viewer
