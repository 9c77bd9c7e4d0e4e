#include "tools/dictbuild/open_data/dictd_file.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>

#include "tools/dictbuild/open_data/source_text.h"

namespace kellavor::dictbuild {
namespace {

// dictd numbers are big-endian base 64 with the digits A-Z a-z 0-9 + /.
std::optional<uint64_t> ParseDictdNumber(std::string_view text) {
  if (text.empty() || text.size() > 8) return std::nullopt;
  uint64_t value = 0;
  for (const char c : text) {
    int digit = -1;
    if (c >= 'A' && c <= 'Z') {
      digit = c - 'A';
    } else if (c >= 'a' && c <= 'z') {
      digit = c - 'a' + 26;
    } else if (c >= '0' && c <= '9') {
      digit = c - '0' + 52;
    } else if (c == '+') {
      digit = 62;
    } else if (c == '/') {
      digit = 63;
    } else {
      return std::nullopt;
    }
    value = value * 64 + static_cast<uint64_t>(digit);
  }
  return value;
}

}  // namespace

std::vector<std::string_view> DictdArticles(std::string_view index, std::string_view body) {
  std::vector<std::pair<uint64_t, uint64_t>> spans;
  ForEachLine(index, [&](std::string_view line) {
    const std::vector<std::string_view> fields = SplitFields(line, '\t');
    if (fields.size() < 3 || fields[0].starts_with("00-database")) return;
    const std::optional<uint64_t> offset = ParseDictdNumber(fields[1]);
    const std::optional<uint64_t> length = ParseDictdNumber(fields[2]);
    if (!offset || !length || *length == 0 || *offset > body.size() ||
        *length > body.size() - *offset) {
      return;
    }
    spans.emplace_back(*offset, *length);
  });
  std::sort(spans.begin(), spans.end());
  spans.erase(std::unique(spans.begin(), spans.end()), spans.end());
  std::vector<std::string_view> articles;
  articles.reserve(spans.size());
  for (const auto& [offset, length] : spans) articles.push_back(body.substr(offset, length));
  return articles;
}

}  // namespace kellavor::dictbuild
