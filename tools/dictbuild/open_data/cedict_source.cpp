#include "tools/dictbuild/open_data/cedict_source.h"

#include "tools/dictbuild/open_data/json_reader.h"

namespace kellavor::dictbuild {
namespace {

std::optional<CedictEntry> ReadEntry(JsonReader& reader) {
  if (!reader.Take('[')) return std::nullopt;
  std::optional<std::string> traditional = reader.ReadString();
  if (!traditional || !reader.Take(',')) return std::nullopt;
  std::optional<std::string> simplified = reader.ReadString();
  if (!simplified || !reader.Take(',')) return std::nullopt;
  std::optional<std::string> pinyin = reader.ReadString();
  if (!pinyin || !reader.Take(',')) return std::nullopt;
  CedictEntry entry{std::move(*simplified), std::move(*pinyin), {}};
  if (reader.Take('[')) {
    if (!reader.Take(']')) {
      do {
        std::optional<std::string> definition = reader.ReadString();
        if (!definition) return std::nullopt;
        entry.definitions.push_back(std::move(*definition));
      } while (reader.Take(','));
      if (!reader.Take(']')) return std::nullopt;
    }
  } else if (std::optional<std::string> definition = reader.ReadString()) {
    entry.definitions.push_back(std::move(*definition));
  } else {
    return std::nullopt;
  }
  // Then the variant references and the measure words, as numbers into lookup tables.
  for (int field = 0; reader.Take(','); ++field) {
    if (field == 1 && reader.Take('[')) {
      if (!reader.Take(']')) {
        entry.countable = true;
        do {
          if (!reader.SkipValue()) return std::nullopt;
        } while (reader.Take(','));
        if (!reader.Take(']')) return std::nullopt;
      }
    } else if (!reader.SkipValue()) {
      return std::nullopt;
    }
  }
  if (!reader.Take(']')) return std::nullopt;
  for (const std::string& definition : entry.definitions) {
    if (definition.find("CL:") != std::string::npos) entry.countable = true;
  }
  return entry;
}

bool ReadEntries(JsonReader& reader, std::vector<CedictEntry>& entries) {
  if (!reader.Take('[')) return false;
  if (reader.Take(']')) return true;
  do {
    std::optional<CedictEntry> entry = ReadEntry(reader);
    if (!entry) return false;
    entries.push_back(std::move(*entry));
  } while (reader.Take(','));
  return reader.Take(']');
}

}  // namespace

std::optional<std::vector<CedictEntry>> ParseCedictModule(std::string_view text) {
  const size_t start = text.find('{');
  if (start == std::string_view::npos) return std::nullopt;
  JsonReader reader(text.substr(start));
  if (!reader.Take('{')) return std::nullopt;
  std::vector<CedictEntry> entries;
  bool sawEntries = false;
  if (!reader.Take('}')) {
    do {
      const std::optional<std::string> key = reader.ReadString();
      if (!key || !reader.Take(':')) return std::nullopt;
      if (*key == "all") {
        if (!ReadEntries(reader, entries)) return std::nullopt;
        sawEntries = true;
      } else if (!reader.SkipValue()) {
        return std::nullopt;
      }
    } while (reader.Take(','));
    if (!reader.Take('}')) return std::nullopt;
  }
  if (!sawEntries) return std::nullopt;
  return entries;
}

std::string TonelessPinyin(std::string_view pinyin) {
  std::string toneless;
  for (size_t i = 0; i < pinyin.size(); ++i) {
    const char c = pinyin[i];
    if (c >= '0' && c <= '9') continue;
    if ((c == 'u' || c == 'U') && i + 1 < pinyin.size() && pinyin[i + 1] == ':') {
      toneless.push_back('v');
      ++i;
    } else if (c >= 'A' && c <= 'Z') {
      toneless.push_back(static_cast<char>(c - 'A' + 'a'));
    } else {
      toneless.push_back(c);
    }
  }
  return toneless;
}

}  // namespace kellavor::dictbuild
