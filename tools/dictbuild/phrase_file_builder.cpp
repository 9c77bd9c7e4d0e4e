#include <algorithm>
#include <map>
#include <tuple>

#include "ime/lexicon/dictionary_format.h"
#include "ime/lexicon/phrase_record.h"
#include "tools/dictbuild/byte_image.h"
#include "tools/dictbuild/drop_tally.h"
#include "tools/dictbuild/file_builders.h"
#include "tools/dictbuild/shipped_syllables.h"

namespace kellavor::dictbuild {
namespace {

struct PhraseRow {
  char16_t firstInitial = 0;
  char16_t secondInitial = 0;
  std::vector<uint16_t> syllables;
  std::u16string text;
  uint32_t frequency = 0;
  uint8_t charClass = 0;

  auto Key() const { return std::tie(firstInitial, secondInitial, syllables, text); }
};

size_t CodePoints(std::u16string_view text) {
  size_t count = 0;
  for (size_t k = 0; k < text.size(); ++k) {
    const bool pair = text[k] >= 0xD800 && text[k] <= 0xDBFF && k + 1 < text.size() && text[k + 1] >= 0xDC00 && text[k + 1] <= 0xDFFF;
    if (pair) ++k;
    ++count;
  }
  return count;
}

// Why the entry cannot be stored; null when it can.
const char* Unstorable(const PhraseEntry& entry) {
  if (entry.text.empty() || entry.text.find(u'\0') != std::u16string::npos) return "empty text or a zero unit in it";
  if (entry.text.size() > lexicon::kMaxTextUnits) return "text longer than 127 units";
  if (entry.syllables.size() < lexicon::PhraseRecord::kMinSyllables) return "fewer than two syllables";
  if (entry.syllables.size() != CodePoints(entry.text)) return "not one syllable per character";
  if (entry.charClass > 0xF) return "class wider than 4 bits";
  return nullptr;
}

}  // namespace

std::vector<uint8_t> BuildPhraseFile(const std::vector<PhraseEntry>& entries, std::ostream& log) {
  DropTally dropped;
  std::map<std::tuple<char16_t, char16_t, std::vector<uint16_t>, std::u16string>, PhraseRow> rows;
  for (const PhraseEntry& entry : entries) {
    if (const char* reason = Unstorable(entry)) {
      dropped.Count(reason);
      continue;
    }
    PhraseRow row;
    for (const std::string& syllable : entry.syllables) {
      const std::optional<uint16_t> number = SyllableNumber(syllable);
      if (!number) break;
      row.syllables.push_back(*number);
    }
    if (row.syllables.size() != entry.syllables.size()) {
      dropped.Count("syllable not in the table");
      continue;
    }
    row.firstInitial = SyllableInitial(row.syllables[0]);
    row.secondInitial = SyllableInitial(row.syllables[1]);
    row.text = entry.text;
    row.frequency = entry.frequency;
    row.charClass = entry.charClass;
    auto [found, inserted] = rows.emplace(row.Key(), row);
    if (!inserted) {
      found->second.frequency = std::max(found->second.frequency, row.frequency);
      found->second.charClass |= row.charClass;
    }
  }

  // Records in map order, which is the order of the initials index; the index is the identity.
  ByteImage image(kHeaderWords);
  const uint32_t areaOffset = image.Offset();
  for (const auto& [key, row] : rows) {
    const size_t length = lexicon::PhraseRecord::MinimumLength(row.text.size(), row.syllables.size());
    image.AppendU16(static_cast<uint16_t>(length));
    image.AppendU32(lexicon::PhraseRecord::Flags(static_cast<uint32_t>(row.text.size()), row.charClass));
    image.AppendU32(row.frequency);
    image.AppendUnits(row.text);
    image.AppendU16(0);
    image.AppendU16(static_cast<uint16_t>(row.syllables.size()));
    for (uint16_t syllable : row.syllables) image.AppendU16(syllable);
  }
  const uint32_t areaLength = image.Offset() - areaOffset;
  image.Align(4);
  const uint32_t indexOffset = image.Offset();
  for (uint32_t k = 0; k < rows.size(); ++k) image.AppendU32(k);
  image.SetHeaderWord(lexicon::header_word::kEntryCount, static_cast<uint32_t>(rows.size()));
  image.SetHeaderWord(lexicon::header_word::kPhraseArea, areaOffset);
  image.SetHeaderWord(lexicon::header_word::kPhraseAreaLength, areaLength);
  image.SetHeaderWord(lexicon::header_word::kPhraseInitialsIndex, indexOffset);

  dropped.Report(log, "data_ph.bin");
  log << "data_ph.bin: " << rows.size() << " records\n";
  return std::move(image).Take();
}

}  // namespace kellavor::dictbuild
