#include "ime/platform/private_profile.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <string_view>

#include "ime/platform/file_system.h"
#include "ime/platform/win32/wide.h"

namespace kellavor::platform {
namespace {

constexpr size_t kMaxProfileBytes = 16u << 20;

std::u16string FromCodePage(UINT codePage, std::string_view bytes) {
  if (bytes.empty() || bytes.size() > INT_MAX) return {};
  const int size = static_cast<int>(bytes.size());
  const int units = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
  std::u16string text(static_cast<size_t>(std::max(units, 0)), u'\0');
  if (units > 0) MultiByteToWideChar(codePage, 0, bytes.data(), size, Wide(text.data()), units);
  return text;
}

std::u16string FromUtf16(std::string_view bytes, bool bigEndian) {
  std::u16string units;
  units.reserve(bytes.size() / 2);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto first = static_cast<uint8_t>(bytes[i]);
    const auto second = static_cast<uint8_t>(bytes[i + 1]);
    units += static_cast<char16_t>(bigEndian ? (first << 8 | second) : (second << 8 | first));
  }
  return units;
}

}  // namespace

std::optional<std::u16string> ReadProfileText(const std::u16string& path) {
  const std::optional<std::vector<uint8_t>> file = ReadWholeFile(path, kMaxProfileBytes);
  if (!file) return std::nullopt;
  const std::string_view bytes(reinterpret_cast<const char*>(file->data()), file->size());
  if (bytes.starts_with("\xFF\xFE")) return FromUtf16(bytes.substr(2), false);
  if (bytes.starts_with("\xFE\xFF")) return FromUtf16(bytes.substr(2), true);
  if (bytes.starts_with("\xEF\xBB\xBF")) return FromCodePage(CP_UTF8, bytes.substr(3));
  return FromCodePage(CP_ACP, bytes);
}

size_t ReadProfileValue(const std::u16string& section, const std::u16string& key,
                        const std::u16string& defaultValue, char16_t* buffer, size_t capacity,
                        const std::u16string& path) {
  if (capacity == 0) return 0;
  const DWORD size = static_cast<DWORD>(std::min<size_t>(capacity, MAXDWORD));
  return GetPrivateProfileStringW(Wide(section), Wide(key), Wide(defaultValue), Wide(buffer), size, Wide(path));
}

bool WriteProfileValue(const std::u16string& section, const std::u16string& key,
                       const std::u16string& value, const std::u16string& path) {
  return WritePrivateProfileStringW(Wide(section), Wide(key), Wide(value), Wide(path)) != FALSE;
}

}  // namespace kellavor::platform
