#include "tools/dictbuild/open_data/unihan_source.h"

#include <algorithm>
#include <optional>
#include <string>

#include "tools/dictbuild/open_data/source_text.h"

namespace kellavor::dictbuild {
namespace {

constexpr char32_t kLargestCodePoint = 0x10FFFF;

// "U+4E00" -> 0x4E00.
std::optional<char32_t> ParseCodePoint(std::string_view text) {
  if (!text.starts_with("U+") || text.size() < 6 || text.size() > 8) return std::nullopt;
  char32_t value = 0;
  for (const char c : text.substr(2)) {
    value <<= 4;
    if (c >= '0' && c <= '9') {
      value |= static_cast<char32_t>(c - '0');
    } else if (c >= 'A' && c <= 'F') {
      value |= static_cast<char32_t>(c - 'A' + 10);
    } else {
      return std::nullopt;
    }
  }
  if (value > kLargestCodePoint) return std::nullopt;
  return value;
}

struct UnihanLine {
  char32_t character;
  std::string_view field;
  std::string_view value;
};

template <typename Visit>
void ForEachUnihanLine(std::string_view text, Visit&& visit) {
  ForEachLine(text, [&](std::string_view line) {
    if (line.empty() || line.front() == '#') return;
    const std::vector<std::string_view> fields = SplitFields(line, '\t');
    if (fields.size() != 3) return;
    if (const std::optional<char32_t> character = ParseCodePoint(fields[0])) {
      visit(UnihanLine{*character, fields[1], fields[2]});
    }
  });
}

// kGB0 is the row and cell, two digits each: rows 16 to 55 hold the first level.
std::optional<uint8_t> Gb2312Bits(std::string_view value) {
  const std::optional<uint32_t> rowCell = ParseDecimal(value);
  if (!rowCell || value.size() != 4) return std::nullopt;
  const uint32_t row = *rowCell / 100;
  return row >= 16 && row <= 55 ? uint8_t{kGb2312Level1 | kGb2312} : kGb2312;
}

bool IsBasicPlane(char32_t c) { return c < 0x10000 && (c < 0xD800 || c > 0xDFFF); }

}  // namespace

CharacterClasses CharacterClasses::Parse(std::string_view otherMappings) {
  CharacterClasses classes;
  ForEachUnihanLine(otherMappings, [&](const UnihanLine& line) {
    uint8_t bits = 0;
    if (line.field == "kGB0") {
      bits = Gb2312Bits(line.value).value_or(0);
    } else if (line.field == "kTGH") {
      bits = kGeneralStandard;
    }
    if (bits != 0) classes.bits_[line.character] |= bits;
  });
  return classes;
}

uint8_t CharacterClasses::ClassOf(char32_t character) const {
  const auto found = bits_.find(character);
  return kAnyCharacter | (found == bits_.end() ? 0 : found->second);
}

uint8_t CharacterClasses::ClassOf(std::u32string_view text) const {
  uint8_t bits = kAnyCharacter | kGeneralStandard | kGb2312 | kGb2312Level1;
  for (const char32_t c : text) bits &= ClassOf(c);
  return bits;
}

std::vector<TraditionalPair> ParseTraditionalTable(std::string_view variants) {
  std::vector<TraditionalPair> pairs;
  ForEachUnihanLine(variants, [&](const UnihanLine& line) {
    if (line.field != "kTraditionalVariant" || !IsBasicPlane(line.character)) return;
    const std::vector<std::string_view> forms = SplitFields(line.value, ' ');
    if (forms.size() != 1) return;
    const std::optional<char32_t> traditional = ParseCodePoint(forms[0]);
    if (!traditional || *traditional == line.character || !IsBasicPlane(*traditional)) return;
    pairs.push_back({static_cast<char16_t>(line.character), static_cast<char16_t>(*traditional)});
  });
  std::stable_sort(pairs.begin(), pairs.end(), [](const TraditionalPair& a, const TraditionalPair& b) {
    return a.simplified < b.simplified;
  });
  // A character listed twice keeps its first variant only: the table maps each unit once.
  pairs.erase(std::unique(pairs.begin(), pairs.end(),
                          [](const TraditionalPair& a, const TraditionalPair& b) {
                            return a.simplified == b.simplified;
                          }),
              pairs.end());
  return pairs;
}

}  // namespace kellavor::dictbuild
