#include "tools/dictbuild/fixture_source.h"

#include <charconv>
#include <cstdint>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "ime/platform/file_system.h"
#include "ime/platform/utf.h"
#include "tools/dictbuild/chinese_runs.h"

namespace kellavor::dictbuild {
namespace {

constexpr size_t kLargestCorpus = size_t{1} << 24;

using Fields = std::vector<std::string_view>;

Fields SplitFields(std::string_view line, char separator) {
  Fields fields;
  for (size_t start = 0;;) {
    const size_t end = line.find(separator, start);
    fields.push_back(line.substr(start, end - start));
    if (end == std::string_view::npos) return fields;
    start = end + 1;
  }
}

uint32_t ParseNumber(std::string_view text, uint32_t max) {
  uint32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || value > max) {
    throw std::invalid_argument("not a number up to " + std::to_string(max) + ": '" + std::string(text) + "'");
  }
  return value;
}

char32_t ParseCharacter(std::string_view text) {
  const std::u16string units = platform::Utf8ToUtf16(text);
  if (units.size() == 1 && units[0] != 0xFFFD) return units[0];
  if (units.size() == 2 && units[0] >= 0xD800 && units[0] <= 0xDBFF) {
    return 0x10000 + ((static_cast<char32_t>(units[0]) - 0xD800) << 10) + (units[1] - 0xDC00);
  }
  throw std::invalid_argument("not one character: '" + std::string(text) + "'");
}

void ReadLines(const std::filesystem::path& file, size_t fieldCount, const std::function<void(const Fields&)>& take) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + file.string());
  std::string line;
  for (size_t number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.front() == '#') continue;
    try {
      const Fields fields = SplitFields(line, '\t');
      if (fields.size() != fieldCount) throw std::invalid_argument(std::to_string(fieldCount) + " fields expected");
      take(fields);
    } catch (const std::invalid_argument& error) {
      throw std::runtime_error(file.string() + ":" + std::to_string(number) + ": " + error.what());
    }
  }
}

}  // namespace

DictionarySource ReadFixtureSource(const std::filesystem::path& folder) {
  DictionarySource source;
  ReadLines(folder / "chars.tsv", 4, [&](const Fields& fields) {
    CharEntry entry;
    entry.character = ParseCharacter(fields[0]);
    if (fields[1] != "-") entry.syllable = fields[1];
    entry.frequency = ParseNumber(fields[2], UINT32_MAX);
    entry.charClass = static_cast<uint8_t>(ParseNumber(fields[3], 15));
    source.chars.push_back(entry);
  });
  ReadLines(folder / "phrases.tsv", 4, [&](const Fields& fields) {
    PhraseEntry entry;
    entry.text = platform::Utf8ToUtf16(fields[0]);
    for (std::string_view syllable : SplitFields(fields[1], ' ')) entry.syllables.emplace_back(syllable);
    entry.frequency = ParseNumber(fields[2], UINT32_MAX);
    entry.charClass = static_cast<uint8_t>(ParseNumber(fields[3], 15));
    source.phrases.push_back(entry);
  });
  ReadLines(folder / "words.tsv", 3, [&](const Fields& fields) {
    WordEntry entry;
    entry.word = platform::Utf8ToUtf16(fields[0]);
    entry.hint = platform::Utf8ToUtf16(fields[1]);
    entry.frequency = ParseNumber(fields[2], UINT32_MAX);
    source.words.push_back(entry);
  });
  // The language model's corpus is optional: without it no model is written.
  if (const std::optional<std::vector<uint8_t>> corpus =
          platform::ReadWholeFile((folder / "corpus.txt").u16string(), kLargestCorpus)) {
    AppendChineseRuns(platform::Utf8ToUtf16(std::string(corpus->begin(), corpus->end())), source.corpus);
  }
  ReadLines(folder / "traditional.tsv", 2, [&](const Fields& fields) {
    const char32_t simplified = ParseCharacter(fields[0]);
    const char32_t traditional = ParseCharacter(fields[1]);
    if (simplified > 0xFFFF || traditional > 0xFFFF) throw std::invalid_argument("the table holds single units only");
    source.traditional.push_back({static_cast<char16_t>(simplified), static_cast<char16_t>(traditional)});
  });
  return source;
}

}  // namespace kellavor::dictbuild
