#include "tools/dictbuild/open_data/pinyin_simp_source.h"

#include <cmath>

#include "tools/dictbuild/open_data/source_text.h"

namespace kellavor::dictbuild {
namespace {

constexpr size_t kLongestSyllable = 6;

bool IsSyllable(std::string_view text) {
  if (text.empty() || text.size() > kLongestSyllable) return false;
  for (const char c : text) {
    if (c < 'a' || c > 'z') return false;
  }
  return true;
}

std::optional<PinyinDictionaryLine> ParseLine(std::string_view line) {
  const std::vector<std::string_view> fields = SplitFields(line, '\t');
  if (fields.size() < 2 || fields.size() > 3) return std::nullopt;
  PinyinDictionaryLine entry;
  entry.text = DecodeUtf8(fields[0]);
  if (entry.text.empty()) return std::nullopt;
  for (const std::string_view syllable : SplitFields(fields[1], ' ')) {
    if (!IsSyllable(syllable)) return std::nullopt;
    entry.syllables.emplace_back(syllable);
  }
  if (entry.syllables.size() != entry.text.size()) return std::nullopt;
  if (fields.size() == 3) {
    entry.weight = ParseDecimal(fields[2]);
    if (!entry.weight) return std::nullopt;
  }
  return entry;
}

}  // namespace

PinyinDictionary ParsePinyinDictionary(std::string_view text) {
  PinyinDictionary dictionary;
  // The YAML header runs from a line "---" to a line "...".
  bool inHeader = false;
  ForEachLine(text, [&](std::string_view line) {
    if (inHeader) {
      if (line == "...") inHeader = false;
      return;
    }
    if (line == "---") {
      inHeader = true;
      return;
    }
    if (line.empty() || line.front() == '#') return;
    if (std::optional<PinyinDictionaryLine> entry = ParseLine(line)) {
      dictionary.lines.push_back(std::move(*entry));
    } else {
      ++dictionary.rejectedLines;
    }
  });
  return dictionary;
}

uint32_t ScaleCharacterWeight(uint32_t weight, uint32_t largestWeight) {
  constexpr uint32_t kLargest16 = 0xFFFF;
  if (largestWeight <= kLargest16) return weight;
  if (weight >= largestWeight) return kLargest16;
  const double scaled = std::sqrt(static_cast<double>(weight) / largestWeight) * kLargest16;
  return static_cast<uint32_t>(std::lround(scaled));
}

}  // namespace kellavor::dictbuild
