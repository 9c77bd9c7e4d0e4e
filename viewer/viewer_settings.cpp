#include "viewer/viewer_settings.h"

#include <array>
#include <limits>

#include "ime/platform/file_system.h"
#include "ime/platform/private_profile.h"
#include "ime/platform/utf.h"
#include "ime/settings/ime_settings.h"

namespace kellavor::viewer {
namespace {

int DigitValue(char16_t c, int base) {
  int value = 36;
  if (c >= u'0' && c <= u'9') value = c - u'0';
  if (c >= u'a' && c <= u'z') value = c - u'a' + 10;
  if (c >= u'A' && c <= u'Z') value = c - u'A' + 10;
  return value < base ? value : -1;
}

}  // namespace

std::optional<int32_t> ParseViewerInt(std::u16string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == u'-' || text.front() == u'+')) {
    negative = text.front() == u'-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return std::nullopt;
  int64_t value = 0;
  for (const char16_t c : text) {
    const int digit = DigitValue(c, base);
    if (digit < 0) return std::nullopt;
    value = value * base + digit;
    if (value > int64_t{std::numeric_limits<uint32_t>::max()}) return std::nullopt;
  }
  // Hexadecimal values name the 32 bits, so 0xFFFFFFFF is -1; decimal ones must fit as they are.
  if (base == 16) {
    const auto bits = static_cast<int32_t>(static_cast<uint32_t>(value));
    return negative ? -bits : bits;
  }
  if (negative) value = -value;
  if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max()) return std::nullopt;
  return static_cast<int32_t>(value);
}

ViewerPaths BuildViewerPaths(const std::u16string& userFolder) {
  const std::u16string themeFolder = userFolder + u"theme" + platform::kPathSeparator;
  return {userFolder + u"config.ini", themeFolder + u"theme.ini", themeFolder, userFolder + u"detail.html"};
}

std::u16string ReadViewerString(const std::u16string& path, std::u16string_view section, std::u16string_view key) {
  std::array<char16_t, 1024> buffer{};
  const size_t length =
      platform::ReadProfileValue(std::u16string(section), std::u16string(key), u"", buffer.data(), buffer.size(), path);
  return std::u16string(buffer.data(), length);
}

int32_t ReadViewerInt(const std::u16string& path, std::u16string_view section, std::u16string_view key,
                      int32_t defaultValue) {
  return ParseViewerInt(ReadViewerString(path, section, key)).value_or(defaultValue);
}

FormSettings ReadFormSettings(const std::u16string& settingsFile) {
  FormSettings settings;
  const auto read = [&](std::u16string_view section, std::u16string_view key, int32_t defaultValue) {
    return ReadViewerInt(settingsFile, section, key, defaultValue);
  };
  settings.transValue = read(kViewerSection, u"TransValue", settings.transValue);
  settings.width = read(kViewerSection, u"width", settings.width);
  settings.height = read(kViewerSection, u"height", settings.height);
  settings.left = read(kViewerSection, u"left", settings.left);
  settings.top = read(kViewerSection, u"top", settings.top);
  settings.autoFollow = read(kViewerSection, u"AutoFollow", 1) != 0;
  settings.combined = read(u"UI", u"iscomb", 1) != 0;
  settings.vertical = read(u"UI", u"showmode", 0);
  settings.useTheme = read(u"UI", u"usetheme", 0) != 0;
  settings.dictionaryHost = settings::SiteHostOrDefault(ReadViewerString(settingsFile, u"SITES", u"dicthost"));
  return settings;
}

void WriteFormSettings(const std::u16string& settingsFile, const FormSettings& settings) {
  const auto write = [&](std::u16string_view key, int32_t value) {
    platform::WriteProfileValue(kViewerSection, std::u16string(key), platform::AsciiToUtf16(std::to_string(value)),
                                settingsFile);
  };
  write(u"left", settings.left);
  write(u"top", settings.top);
  write(u"width", settings.width);
  write(u"height", settings.height);
  write(u"TransValue", settings.transValue);
  write(u"AutoFollow", settings.autoFollow ? 1 : 0);
}

bool DetailShowEnabled(const std::u16string& settingsFile) {
  return ReadViewerInt(settingsFile, kViewerSection, u"Detail_Show", 1) != 0;
}

}  // namespace kellavor::viewer
