#include <optional>
#include <string>
#include <vector>

#include "ime/lexicon/dictionary_format.h"
#include "ime/lexicon/syllable_table.h"
#include "ime/platform/file_system.h"
#include "ime/platform/module_resources.h"
#include "tools/dictbuild/file_builders.h"
#include "tools/dictbuild/file_checkers.h"

namespace kellavor::dictbuild {
namespace {

constexpr size_t kMaxTableBytes = 1u << 20;

void CheckConversionTable(const std::vector<uint8_t>& table, std::string_view name, Violations& violations) {
  if (table.size() % 4 != 0) violations.Add(name, "the size is not a multiple of 4", std::to_string(table.size()));
  for (size_t k = 0; 4 * k + 4 <= table.size(); ++k) {
    const uint16_t simplified = lexicon::LoadU16(table.data() + 4 * k);
    const uint16_t traditional = lexicon::LoadU16(table.data() + 4 * k + 2);
    const std::string record = "record " + std::to_string(k);
    if (simplified == traditional) violations.Add(name, "a record maps a character to itself", record);
    if (simplified == 0 || traditional == 0) violations.Add(name, "a record holds a zero unit", record);
    if (k > 0 && lexicon::LoadU16(table.data() + 4 * (k - 1)) >= simplified) {
      violations.Add(name, "the records are not strictly ascending by the simplified unit", record);
    }
  }
}

}  // namespace

bool CheckResourceTables(const std::filesystem::path& folder, Violations& violations) {
  const std::u16string syllableName = platform::ResourceFileName(lexicon::kSyllableResourceType, lexicon::kSyllableResourceId);
  const std::string syllableFile = std::filesystem::path(syllableName).string();
  const std::optional<std::vector<uint8_t>> syllables =
      platform::ReadWholeFile((folder / syllableName).u16string(), kMaxTableBytes);
  bool syllablesUsable = true;
  if (!syllables) {
    violations.Add(syllableFile, "missing: the readings cannot be checked", "");
    syllablesUsable = false;
  } else if (*syllables != BuildSyllableTable()) {
    violations.Add(syllableFile, "not the shipped syllable table", "");
    syllablesUsable = false;
  }

  const std::u16string conversionName = platform::ResourceFileName(kConversionResourceType, kConversionResourceId);
  if (const std::optional<std::vector<uint8_t>> table =
          platform::ReadWholeFile((folder / conversionName).u16string(), kMaxTableBytes)) {
    CheckConversionTable(*table, std::filesystem::path(conversionName).string(), violations);
  }
  return syllablesUsable;
}

}  // namespace kellavor::dictbuild
