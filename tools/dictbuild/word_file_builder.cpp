#include <algorithm>
#include <map>
#include <tuple>

#include "ime/lexicon/dictionary_format.h"
#include "ime/lexicon/german_key.h"
#include "ime/lexicon/word_record.h"
#include "tools/dictbuild/byte_image.h"
#include "tools/dictbuild/drop_tally.h"
#include "tools/dictbuild/file_builders.h"

namespace kellavor::dictbuild {
namespace {

// Why the entry cannot be stored; null when it can.
const char* Unstorable(const WordEntry& entry) {
  if (entry.word.empty() || entry.word.find(u'\0') != std::u16string::npos) return "empty word or a zero unit in it";
  if (entry.hint.find(u'\0') != std::u16string::npos) return "a zero unit in the hint";
  if (entry.word.size() > lexicon::kMaxTextUnits) return "word longer than 127 units";
  if (entry.hint.size() > lexicon::kMaxTextUnits) return "hint longer than 127 units";
  return nullptr;
}

// Of two entries for one word, whether a is the one to keep.
bool Preferred(const WordEntry& a, const WordEntry& b) {
  return std::tie(b.frequency, a.hint) < std::tie(a.frequency, b.hint);
}

}  // namespace

std::vector<uint8_t> BuildWordFile(const std::vector<WordEntry>& entries, std::ostream& log) {
  DropTally dropped;
  std::map<std::tuple<std::u16string, std::u16string>, WordEntry> rows;  // by key, then word
  for (const WordEntry& entry : entries) {
    if (const char* reason = Unstorable(entry)) {
      dropped.Count(reason);
      continue;
    }
    auto [found, inserted] = rows.emplace(std::make_tuple(lexicon::FoldGermanKey(entry.word), entry.word), entry);
    if (!inserted && Preferred(entry, found->second)) found->second = entry;
  }

  ByteImage image(kHeaderWords);
  std::vector<uint32_t> index;
  index.reserve(rows.size());
  for (const auto& [key, entry] : rows) {
    const std::u16string& folded = std::get<0>(key);
    const size_t start = image.size();
    index.push_back(image.Offset());
    image.AppendU16(0);  // the record length, filled in below
    image.AppendU32(lexicon::WordRecord::Flags(static_cast<uint32_t>(entry.word.size())));
    image.AppendU32(entry.frequency);
    for (std::u16string_view text : {std::u16string_view(entry.word), std::u16string_view(entry.hint), std::u16string_view(folded)}) {
      image.AppendUnits(text);
      image.AppendU16(0);
    }
    image.PutU16At(start, static_cast<uint16_t>(image.size() - start));
  }
  image.Align(4);
  const uint32_t indexOffset = image.Offset();
  for (uint32_t offset : index) image.AppendU32(offset);
  image.SetHeaderWord(lexicon::header_word::kEntryCount, static_cast<uint32_t>(index.size()));
  image.SetHeaderWord(lexicon::header_word::kWordKeyIndex, indexOffset);

  dropped.Report(log, "data_de.bin");
  log << "data_de.bin: " << index.size() << " records\n";
  return std::move(image).Take();
}

}  // namespace kellavor::dictbuild
