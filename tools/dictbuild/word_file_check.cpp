#include <algorithm>
#include <set>
#include <string>

#include "ime/lexicon/dictionary_format.h"
#include "ime/lexicon/german_key.h"
#include "ime/lexicon/word_record.h"
#include "tools/dictbuild/file_checkers.h"

namespace kellavor::dictbuild {
namespace {

constexpr std::string_view kFile = "data_de.bin";

std::string Entry(uint32_t k, uint32_t offset) {
  return "entry " + std::to_string(k) + ", record at " + std::to_string(offset);
}

}  // namespace

void CheckWordFile(const lexicon::SystemDictionaries& dictionaries, std::span<const uint8_t> file, Violations& violations) {
  namespace word = lexicon::header_word;
  const lexicon::IndexView index = dictionaries.WordKeyIndex();
  const uint64_t indexStart = lexicon::HeaderWord(file.data(), word::kWordKeyIndex);
  uint64_t dataStart = indexStart;
  for (uint32_t k = 0; k < index.size(); ++k) dataStart = std::min<uint64_t>(dataStart, index[k]);
  CheckHeader(file, kFile, {word::kEntryCount, word::kWordKeyIndex}, dataStart, violations);

  std::set<uint32_t> seen;
  std::u16string_view previousKey;
  for (uint32_t k = 0; k < index.size(); ++k) {
    const uint32_t offset = index[k];
    const lexicon::WordRecord record = dictionaries.WordRecordAt(offset);
    if (!seen.insert(offset).second) violations.Add(kFile, "the key index names a record twice", Entry(k, offset));
    const uint64_t recordBytes =
        lexicon::WordRecord::kWordOffset + 2 * (record.word().size() + record.hint().size() + record.key().size() + 3);
    if (Overlap(offset, recordBytes, indexStart, 4ull * index.size())) {
      violations.Add(kFile, "a record overlaps the index", Entry(k, offset));
    }
    if (record.word().empty()) violations.Add(kFile, "empty word", Entry(k, offset));
    if (record.wordLength() != record.word().size()) {
      violations.Add(kFile, "the length field differs from the word's length", Entry(k, offset));
    }
    if (record.hint().size() > lexicon::kMaxTextUnits) violations.Add(kFile, "hint longer than 127 units", Entry(k, offset));
    if (record.key() != lexicon::FoldGermanKey(record.word())) {
      violations.Add(kFile, "the key is not the folded word", Entry(k, offset));
    }
    if (k > 0 && previousKey > record.key()) violations.Add(kFile, "the key index is not ascending by key", Entry(k, offset));
    previousKey = record.key();
  }
}

}  // namespace kellavor::dictbuild
