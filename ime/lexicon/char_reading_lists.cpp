#include "ime/lexicon/char_reading_lists.h"

#include "ime/lexicon/char_record.h"

namespace kellavor::lexicon {

void CharReadingLists::Build(const SystemDictionaries& dictionaries, FirstLetterRanges& ranges) {
  *this = CharReadingLists{};
  const IndexView index = dictionaries.CharIndex();
  std::vector<std::pair<uint16_t, uint32_t>> entries;
  // At most one position per index entry: reserved at once, the list would otherwise double its way
  // to nearly twice that.
  groups_.Reserve(index.size());
  for (int l = 0; l < kLetters; ++l) {
    const KeyRange range = ranges.Chars(dictionaries, static_cast<char16_t>(u'a' + l));
    entries.clear();
    for (uint32_t i = range.first; i < range.last; ++i) {
      if (const CharRecord* record = dictionaries.CharRecordAt(index[i])) entries.emplace_back(record->syllable(), i);
    }
    letters_[l] = groups_.Add(entries);
  }
  built_ = true;
}

ReadingRange CharReadingLists::ReadingsOf(char16_t letter) const {
  if (letter < u'a' || letter > u'z') return {};
  return groups_.Range(letters_[letter - u'a']);
}

}  // namespace kellavor::lexicon
