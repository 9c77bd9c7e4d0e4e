#include <algorithm>
#include <string>

#include "ime/lexicon/char_record.h"
#include "ime/lexicon/dictionary_format.h"
#include "tools/dictbuild/file_checkers.h"

namespace kellavor::dictbuild {
namespace {

constexpr std::string_view kFile = "data_si.bin";

bool IsStoredCharacter(uint32_t value) {
  const uint32_t low = value & 0xFFFF;
  const uint32_t high = value >> 16;
  if (high == 0) return low != 0 && (low < 0xD800 || low > 0xDFFF);
  return low >= 0xD800 && low <= 0xDBFF && high >= 0xDC00 && high <= 0xDFFF;
}

std::string Record(uint32_t i) { return "record " + std::to_string(i); }

}  // namespace

void CheckCharFile(const lexicon::SystemDictionaries& dictionaries, std::span<const uint8_t> file,
                   Violations& violations) {
  namespace word = lexicon::header_word;
  const uint32_t tableOffset = lexicon::HeaderWord(file.data(), word::kCharTable);
  const uint32_t indexOffset = lexicon::HeaderWord(file.data(), word::kCharIndex);
  CheckHeader(file, kFile, {word::kEntryCount, word::kCharTable, word::kCharIndex}, std::min(tableOffset, indexOffset),
              violations);
  const uint32_t count = dictionaries.CharRecordCount();
  if (Overlap(tableOffset, 12ull * count, indexOffset, 4ull * count)) {
    violations.Add(kFile, "the record table and the index overlap", "");
  }

  for (uint32_t i = 0; i < count; ++i) {
    const lexicon::CharRecord& record = *dictionaries.CharRecordAt(i);
    if (!IsStoredCharacter(record.character())) violations.Add(kFile, "not a character", Record(i));
    if (record.syllable() != lexicon::kNoSyllable && record.syllable() >= dictionaries.SyllableCount()) {
      violations.Add(kFile, "syllable number outside the syllable table", Record(i));
    }
    if (i == 0) continue;
    const lexicon::CharRecord& previous = *dictionaries.CharRecordAt(i - 1);
    if (previous.character() > record.character()) {
      violations.Add(kFile, "the record table is not sorted by character", Record(i));
    } else if (previous.character() == record.character()) {
      if (previous.charClass() != record.charClass()) {
        violations.Add(kFile, "readings of one character carry different classes", Record(i));
      }
      if (previous.syllable() == record.syllable()) violations.Add(kFile, "a reading is stored twice", Record(i));
    }
  }

  const lexicon::IndexView index = dictionaries.CharIndex();
  CheckIndexNamesEachOnce(index, count, kFile, violations);
  // First letter of each record's reading; no reading sorts after every letter.
  auto initial = [&](uint32_t k) {
    const std::u16string_view text = dictionaries.SyllableText(dictionaries.CharRecordAt(index[k])->syllable());
    return text.empty() ? char16_t{0xFFFF} : text.front();
  };
  for (uint32_t k = 1; k < index.size(); ++k) {
    if (initial(k - 1) > initial(k)) {
      violations.Add(kFile, "the index is not ordered by the first letter of the reading", "entry " + std::to_string(k));
    }
  }
}

}  // namespace kellavor::dictbuild
