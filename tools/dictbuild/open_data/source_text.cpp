#include "tools/dictbuild/open_data/source_text.h"

#include <zlib.h>

#include "ime/platform/utf.h"

namespace kellavor::dictbuild {

std::optional<std::string> ReadSourceText(const std::string& path, size_t maxBytes) {
  // gzread passes files that are not compressed through unchanged.
  gzFile file = gzopen(path.c_str(), "rb");
  if (file == nullptr) return std::nullopt;
  std::string text;
  char buffer[1 << 16];
  bool failed = false;
  for (;;) {
    const int got = gzread(file, buffer, sizeof buffer);
    if (got < 0) {
      failed = true;
      break;
    }
    if (got == 0) break;
    if (text.size() + static_cast<size_t>(got) > maxBytes) {
      failed = true;
      break;
    }
    text.append(buffer, static_cast<size_t>(got));
  }
  gzclose(file);
  if (failed) return std::nullopt;
  return text;
}

std::vector<std::string_view> SplitFields(std::string_view text, char separator) {
  std::vector<std::string_view> fields;
  for (;;) {
    const size_t end = text.find(separator);
    fields.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return fields;
}

std::string_view TrimSpaces(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::optional<uint32_t> ParseDecimal(std::string_view text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  uint32_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<uint32_t>(c - '0');
  }
  return value;
}

std::u32string DecodeUtf8(std::string_view text) {
  const std::u16string units = platform::Utf8ToUtf16(text);
  std::u32string points;
  points.reserve(units.size());
  for (size_t i = 0; i < units.size(); ++i) {
    const char32_t unit = units[i];
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
        units[i + 1] <= 0xDFFF) {
      points.push_back(0x10000 + ((unit - 0xD800) << 10) + (units[i + 1] - 0xDC00));
      ++i;
    } else {
      points.push_back(unit);
    }
  }
  return points;
}

std::u16string CodePointsToUtf16(std::u32string_view text) {
  std::u16string units;
  units.reserve(text.size());
  for (char32_t c : text) {
    if (c < 0x10000) {
      units.push_back(static_cast<char16_t>(c));
    } else {
      c -= 0x10000;
      units.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
      units.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
    }
  }
  return units;
}

}  // namespace kellavor::dictbuild
