#include "tools/dictbuild/dictionary_check.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "ime/lexicon/dictionary_format.h"
#include "ime/platform/file_system.h"
#include "ime/platform/module_resources.h"
#include "tools/dictbuild/file_checkers.h"
#include "tools/dictbuild/german_probes.h"

namespace kellavor::dictbuild {
namespace {

constexpr size_t kMaxDictionaryBytes = size_t{1} << 31;

std::string Name(std::u16string_view name) { return std::filesystem::path(std::u16string(name)).string(); }

}  // namespace

bool Overlap(uint64_t aStart, uint64_t aLength, uint64_t bStart, uint64_t bLength) {
  return aLength > 0 && bLength > 0 && aStart < bStart + bLength && bStart < aStart + aLength;
}

void CheckHeader(std::span<const uint8_t> file, std::string_view name, std::initializer_list<uint32_t> readWords,
                 uint64_t dataStart, Violations& violations) {
  const uint64_t headerEnd = lexicon::HeaderBytesReading(std::max(readWords));
  if (dataStart < headerEnd) {
    violations.Add(name, "the data starts inside the header",
                   "at " + std::to_string(dataStart) + ", the header needs " + std::to_string(headerEnd) + " bytes");
  }
  for (uint32_t word = 0; 4 * static_cast<uint64_t>(word) + 4 <= std::max(dataStart, headerEnd); ++word) {
    if (std::find(readWords.begin(), readWords.end(), word) != readWords.end()) continue;
    if (lexicon::HeaderWord(file.data(), word) != 0) {
      violations.Add(name, "a header word that is not read is not zero", "word " + std::to_string(word));
    }
  }
}

void CheckIndexNamesEachOnce(const lexicon::IndexView& index, uint32_t count, std::string_view name,
                             Violations& violations) {
  std::vector<bool> named(count, false);
  for (uint32_t k = 0; k < index.size(); ++k) {
    const uint32_t record = index[k];
    if (named[record]) violations.Add(name, "the index names a record twice", "record " + std::to_string(record));
    named[record] = true;
  }
  const auto missing = std::count(named.begin(), named.end(), false);
  if (missing > 0) violations.Add(name, "the index leaves out records", std::to_string(missing) + " of them");
}

size_t CheckDictionaryFolder(const std::filesystem::path& folder, std::ostream& out) {
  Violations violations(out);
  const bool syllablesUsable = CheckResourceTables(folder, violations);
  platform::SetResourceFolder(folder.u16string());

  const std::u16string charPath = (folder / std::u16string(lexicon::kCharFileName)).u16string();
  const std::u16string phrasePath = (folder / std::u16string(lexicon::kPhraseFileName)).u16string();
  const std::u16string wordPath = (folder / std::u16string(lexicon::kWordFileName)).u16string();
  lexicon::SystemDictionaries dictionaries;
  dictionaries.MapSystemFiles(charPath, phrasePath, wordPath);

  struct File {
    lexicon::SystemFile which;
    std::u16string path;
    std::string name;
  };
  const File files[] = {{lexicon::SystemFile::kChars, charPath, Name(lexicon::kCharFileName)},
                        {lexicon::SystemFile::kPhrases, phrasePath, Name(lexicon::kPhraseFileName)},
                        {lexicon::SystemFile::kWords, wordPath, Name(lexicon::kWordFileName)}};
  size_t checked = 0;
  for (const File& file : files) {
    if (!platform::FileExists(file.path)) continue;
    ++checked;
    if (!dictionaries.IsPresent(file.which)) {
      violations.Add(file.name, "the module's readers reject the file", dictionaries.Fault(file.which));
      continue;
    }
    const std::optional<std::vector<uint8_t>> bytes = platform::ReadWholeFile(file.path, kMaxDictionaryBytes);
    if (!bytes) {
      violations.Add(file.name, "the file cannot be read", "");
      continue;
    }
    switch (file.which) {
      case lexicon::SystemFile::kChars:
        if (syllablesUsable) CheckCharFile(dictionaries, *bytes, violations);
        break;
      case lexicon::SystemFile::kPhrases:
        if (syllablesUsable) CheckPhraseFile(dictionaries, *bytes, violations);
        break;
      case lexicon::SystemFile::kWords:
        CheckWordFile(dictionaries, *bytes, violations);
        CheckGermanProbes(dictionaries, violations);
        break;
    }
  }
  if (checked == 0) violations.Add(folder.string(), "no dictionary in the folder", "");
  const std::u16string modelPath = (folder / std::u16string(lexicon::kModelFileName)).u16string();
  if (platform::FileExists(modelPath)) {
    const std::optional<std::vector<uint8_t>> bytes = platform::ReadWholeFile(modelPath, kMaxDictionaryBytes);
    if (bytes) {
      CheckModelFile(*bytes, violations);
    } else {
      violations.Add(Name(lexicon::kModelFileName), "the file cannot be read", "");
    }
  }
  violations.Finish();
  return violations.Total();
}

}  // namespace kellavor::dictbuild
