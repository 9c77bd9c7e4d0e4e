#include <algorithm>
#include <map>
#include <tuple>

#include "ime/lexicon/char_record.h"
#include "ime/lexicon/dictionary_format.h"
#include "tools/dictbuild/byte_image.h"
#include "tools/dictbuild/drop_tally.h"
#include "tools/dictbuild/file_builders.h"
#include "tools/dictbuild/shipped_syllables.h"

namespace kellavor::dictbuild {
namespace {

struct CharRow {
  uint32_t character = 0;  // stored form
  uint16_t syllable = lexicon::kNoSyllable;
  uint16_t frequency = 0;
  uint8_t charClass = 0;

  auto Key() const { return std::tie(character, syllable); }
};

bool IsStorableCharacter(char32_t c) { return c != 0 && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF); }

}  // namespace

std::vector<uint8_t> BuildCharFile(const std::vector<CharEntry>& entries, std::ostream& log) {
  DropTally dropped;
  std::map<std::tuple<uint32_t, uint16_t>, CharRow> rows;
  for (const CharEntry& entry : entries) {
    if (!IsStorableCharacter(entry.character)) {
      dropped.Count("not a character");
      continue;
    }
    if (entry.charClass > 0xF) {
      dropped.Count("class wider than 4 bits");
      continue;
    }
    CharRow row;
    row.character = lexicon::StoredCharacter(entry.character);
    if (!entry.syllable.empty()) {
      const std::optional<uint16_t> number = SyllableNumber(entry.syllable);
      if (!number) {
        dropped.Count("syllable not in the table");
        continue;
      }
      row.syllable = *number;
    }
    row.frequency = static_cast<uint16_t>(std::min<uint32_t>(entry.frequency, 0xFFFF));
    row.charClass = entry.charClass;
    auto [found, inserted] = rows.emplace(row.Key(), row);
    if (!inserted) {
      found->second.frequency = std::max(found->second.frequency, row.frequency);
      found->second.charClass |= row.charClass;
    }
  }

  // The map is ordered by character and reading: that is the table order. Readings of one
  // character are adjacent; give each the class of all of them.
  std::vector<CharRow> table;
  table.reserve(rows.size());
  for (const auto& [key, row] : rows) table.push_back(row);
  for (size_t first = 0; first < table.size();) {
    size_t last = first;
    uint8_t charClass = 0;
    while (last < table.size() && table[last].character == table[first].character) charClass |= table[last++].charClass;
    for (size_t k = first; k < last; ++k) table[k].charClass = charClass;
    first = last;
  }

  // The index orders by first letter of the reading; ordering by syllable number does that, since
  // the syllable table is sorted, and puts records without a reading (0xFFFF) last.
  std::vector<uint32_t> index(table.size());
  for (uint32_t k = 0; k < index.size(); ++k) index[k] = k;
  std::stable_sort(index.begin(), index.end(), [&](uint32_t a, uint32_t b) { return table[a].syllable < table[b].syllable; });

  ByteImage image(kHeaderWords);
  const uint32_t tableOffset = image.Offset();
  for (const CharRow& row : table) {
    image.AppendU32(row.character);
    image.AppendU16(row.frequency);
    image.AppendU16(row.syllable);
    image.AppendU16(lexicon::CharFlags(row.charClass));
    image.AppendU16(0);
  }
  const uint32_t indexOffset = image.Offset();
  for (uint32_t record : index) image.AppendU32(record);
  image.SetHeaderWord(lexicon::header_word::kEntryCount, static_cast<uint32_t>(table.size()));
  image.SetHeaderWord(lexicon::header_word::kCharTable, tableOffset);
  image.SetHeaderWord(lexicon::header_word::kCharIndex, indexOffset);

  dropped.Report(log, "data_si.bin");
  log << "data_si.bin: " << table.size() << " records\n";
  return std::move(image).Take();
}

}  // namespace kellavor::dictbuild
