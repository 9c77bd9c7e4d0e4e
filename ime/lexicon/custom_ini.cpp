#include "ime/lexicon/custom_ini.h"

#include <algorithm>
#include <limits>

#include "ime/base/text_replace.h"
#include "ime/platform/utf.h"

namespace kellavor::lexicon {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

bool IsWhiteSpace(char16_t unit) { return unit == u' ' || (unit >= u'\t' && unit <= u'\r'); }
bool IsDigit(char16_t unit) { return unit >= u'0' && unit <= u'9'; }
bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

// Reads a decimal number at `at` the way the C library's strtol does for base 10, saturating at
// the 32-bit limits; 0 when there are no digits. `at` ends behind the last digit read.
int32_t ReadDecimal(std::u16string_view line, size_t& at) {
  size_t i = at;
  while (i < line.size() && IsWhiteSpace(line[i])) ++i;
  bool negative = false;
  if (i < line.size() && (line[i] == u'+' || line[i] == u'-')) negative = line[i++] == u'-';
  if (i == line.size() || !IsDigit(line[i])) return 0;
  constexpr int64_t kLimit = static_cast<int64_t>(std::numeric_limits<int32_t>::max()) + 1;
  int64_t magnitude = 0;
  for (; i < line.size() && IsDigit(line[i]); ++i) {
    if (magnitude < kLimit) magnitude = magnitude * 10 + (line[i] - u'0');
  }
  at = i;
  if (negative) return static_cast<int32_t>(-std::min(magnitude, kLimit));
  return static_cast<int32_t>(std::min(magnitude, kLimit - 1));
}

// The content of a line as the reader hands it on: up to a NUL, at most kMaxCustomLineUnits units.
std::u16string_view LineContent(std::u16string_view line) {
  line = line.substr(0, line.find(u'\0'));
  if (line.size() <= kMaxCustomLineUnits) return line;
  size_t cut = kMaxCustomLineUnits;
  if (IsHighSurrogate(line[cut - 1])) --cut;
  return line.substr(0, cut);
}

}  // namespace

std::optional<CustomIniEntry> ParseCustomLine(std::u16string_view line) {
  if (line.empty() || line[0] == u';' || line[0] == u'\n' || line[0] == u'\r') return std::nullopt;
  const size_t keyEnd = std::min(line.find(u' '), line.find(u'='));
  if (keyEnd == 0) return std::nullopt;
  size_t at = std::min(keyEnd, line.size());
  while (at < line.size() && (line[at] == u' ' || line[at] == u'=')) ++at;
  const int32_t number = ReadDecimal(line, at);
  if (number < 1) return std::nullopt;
  const size_t comma = line.find(u',', at);
  if (comma == std::u16string_view::npos || comma + 1 == line.size()) return std::nullopt;

  CustomIniEntry entry;
  entry.key = line.substr(0, keyEnd);
  const std::u16string_view text = line.substr(comma + 1);
  std::optional<std::u16string> withLineFeeds = base::ReplaceAll(text, u"\\n", u"\n");
  entry.text = withLineFeeds ? std::move(*withLineFeeds) : std::u16string(text);
  entry.position = number - 1;
  return entry;
}

std::vector<CustomIniEntry> ParseCustomIni(std::string_view fileBytes) {
  if (fileBytes.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark) {
    fileBytes.remove_prefix(kUtf8ByteOrderMark.size());
  }
  const std::u16string text = platform::Utf8ToUtf16(fileBytes);
  const std::u16string_view all(text);
  std::vector<CustomIniEntry> entries;
  size_t start = 0;
  while (start < all.size()) {
    const size_t lineFeed = all.find(u'\n', start);
    const size_t end = lineFeed == std::u16string_view::npos ? all.size() : lineFeed;
    std::u16string_view line = all.substr(start, end - start);
    if (lineFeed != std::u16string_view::npos && !line.empty() && line.back() == u'\r') line.remove_suffix(1);
    if (std::optional<CustomIniEntry> entry = ParseCustomLine(LineContent(line))) {
      entries.push_back(std::move(*entry));
    }
    start = end + 1;
  }
  return entries;
}

}  // namespace kellavor::lexicon
