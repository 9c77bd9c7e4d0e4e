#include "ime/settings/ini_file.h"

#include <algorithm>
#include <string_view>

#include "ime/platform/private_profile.h"
#include "ime/platform/utf.h"
#include "ime/settings/ext_write_request.h"

namespace kellavor::settings {
namespace {

constexpr size_t kStringCapacity = 1024;
constexpr size_t kNumberCapacity = 32;
constexpr size_t kFontCapacity = 256;
constexpr size_t kReadBackCapacity = 256;

bool IsSeparator(char16_t c) { return c == u',' || c == u';' || c == u'\t' || c == u'\r' || c == u'\n'; }

bool IsSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

// Component n of the value, counted from 0; none when the value has fewer.
std::optional<std::u16string_view> Component(std::u16string_view value, size_t n) {
  size_t begin = 0;
  for (size_t index = 0;; ++index) {
    while (begin < value.size() && IsSeparator(value[begin])) ++begin;
    if (begin == value.size()) return std::nullopt;
    size_t end = begin;
    while (end < value.size() && !IsSeparator(value[end])) ++end;
    if (index == n) return value.substr(begin, end - begin);
    begin = end;
  }
}

int32_t ParseDecimal(std::u16string_view text) {
  size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  const int64_t limit = negative ? int64_t{1} << 31 : (int64_t{1} << 31) - 1;
  int64_t magnitude = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    magnitude = std::min(limit, magnitude * 10 + (text[i] - u'0'));
  }
  return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

// The first N numeric components of a value; one that is missing repeats the text of the one
// before it, and with no component at all every number is 0.
template <size_t N>
std::array<int32_t, N> Numbers(std::u16string_view value) {
  std::array<int32_t, N> numbers{};
  std::u16string_view last;
  for (size_t i = 0; i < N; ++i) {
    if (const auto component = Component(value, i)) last = *component;
    numbers[i] = ParseDecimal(last);
  }
  return numbers;
}

}  // namespace

void IniFile::Open(const std::u16string& path) {
  path_.reset();
  copy_.reset();
  if (!path.empty()) path_ = path;
}

void IniFile::Load(const std::u16string& path) {
  Open(path);
  if (path_) copy_.emplace(*path_);
}

void IniFile::Close() {
  path_.reset();
  copy_.reset();
}

std::u16string IniFile::ReadLimited(const std::u16string& section, const std::u16string& key, size_t capacity) const {
  if (!path_) return {};
  std::u16string buffer(capacity, u'\0');
  buffer.resize(copy_ ? copy_->ReadValue(section, key, u"", buffer.data(), capacity)
                      : platform::ReadProfileValue(section, key, u"", buffer.data(), capacity, *path_));
  return buffer;
}

std::optional<std::u16string> IniFile::ReadString(const std::u16string& section, const std::u16string& key) const {
  std::u16string value = ReadLimited(section, key, kStringCapacity);
  if (value.empty()) return std::nullopt;
  return value;
}

int32_t IniFile::ReadInt(const std::u16string& section, const std::u16string& key, int32_t defaultValue) const {
  const std::u16string value = ReadLimited(section, key, kNumberCapacity);
  return value.empty() ? defaultValue : ParseDecimal(value);
}

void IniFile::ReadPair(const std::u16string& section, const std::u16string& key, std::array<int32_t, 2>& out,
                       int32_t default0, int32_t default1) const {
  out = {default0, default1};
  const std::u16string value = ReadLimited(section, key, kNumberCapacity);
  if (!value.empty()) out = Numbers<2>(value);
}

void IniFile::ReadRect(const std::u16string& section, const std::u16string& key, std::array<int32_t, 4>& out,
                       const std::array<int32_t, 4>& defaults) const {
  out = defaults;
  const std::u16string value = ReadLimited(section, key, kNumberCapacity);
  if (!value.empty()) out = Numbers<4>(value);
}

uint32_t IniFile::ReadColor(const std::u16string& section, const std::u16string& key, uint32_t defaultColor) const {
  const std::u16string value = ReadLimited(section, key, kNumberCapacity);
  if (value.empty()) return defaultColor & 0xFFFFFF;
  const std::array<int32_t, 3> rgb = Numbers<3>(value);
  return (static_cast<uint32_t>(rgb[0]) & 0xFF) | (static_cast<uint32_t>(rgb[1]) & 0xFF) << 8 |
         (static_cast<uint32_t>(rgb[2]) & 0xFF) << 16;
}

void IniFile::ReadFont(const std::u16string& section, const std::u16string& key, FontSpec& font) const {
  const std::u16string value = ReadLimited(section, key, kFontCapacity);
  if (value.empty()) return;
  std::u16string_view lastNumber = Component(value, 0).value_or(std::u16string_view());
  font.size = static_cast<uint16_t>(ParseDecimal(lastNumber));
  if (const auto face = Component(value, 1)) font.face = std::u16string(*face);
  if (const auto weight = Component(value, 2)) lastNumber = *weight;
  font.weight = static_cast<uint16_t>(ParseDecimal(lastNumber));
}

int IniFile::WriteString(const std::u16string& section, const std::u16string& key, const std::u16string& value) const {
  if (!path_) return kIniWritten;
  copy_.reset();
  if (platform::WriteProfileValue(section, key, value, *path_)) return kIniWritten;
  // Refused, typically in a process that may not write the user folder: the external writer
  // stores the value instead, unless the file holds no such key or already holds this value.
  const std::u16string stored = ReadLimited(section, key, kReadBackCapacity);
  if (stored.empty()) return kIniNotWritten;
  if (stored == value) return kIniWritten;
  const std::vector<uint8_t> request = BuildWriteSettingRequest(section, key, value, *path_);
  SendExtWrite(ExtWriteKind::kWriteSetting, request.data(), request.size());
  return kIniNotWritten;
}

int IniFile::WriteInt(const std::u16string& section, const std::u16string& key, int32_t value) const {
  return WriteString(section, key, platform::AsciiToUtf16(std::to_string(value)));
}

int IniFile::WritePair(const std::u16string& section, const std::u16string& key,
                       const std::array<int32_t, 2>& pair) const {
  return WriteString(section, key, platform::AsciiToUtf16(std::to_string(pair[0]) + "," + std::to_string(pair[1])));
}

}  // namespace kellavor::settings
