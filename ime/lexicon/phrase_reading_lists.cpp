#include "ime/lexicon/phrase_reading_lists.h"

#include "ime/lexicon/phrase_record.h"

namespace kellavor::lexicon {

ReadingRange PhraseReadingLists::ReadingsOf(SystemDictionaries& dictionaries, FirstLetterRanges& ranges,
                                            char16_t first, char16_t second) {
  const auto letter = [](char16_t l) { return l >= u'a' && l <= u'z' ? l - u'a' : -1; };
  if (letter(first) < 0 || letter(second) < 0) return {};
  if (ranges_.empty()) ranges_.resize(kLetters * kLetters);
  Range& range = ranges_[static_cast<size_t>(letter(first) * kLetters + letter(second))];
  if (!range.grouped) {
    range.grouped = true;
    const KeyRange positions = ranges.Phrases(dictionaries, first, second);
    const IndexView index = dictionaries.PhraseInitialsIndex();
    entries_.clear();
    for (uint32_t k = positions.first; k < positions.last; ++k) {
      const PhraseRecord phrase = dictionaries.PhraseRecordAt(index[k]);
      if (!phrase) continue;
      if (phrase.syllableCount() == 0) return {};
      entries_.emplace_back(phrase.syllable(0), k);
    }
    range.groups = groups_.Add(entries_);
  }
  return groups_.Range(range.groups);
}

}  // namespace kellavor::lexicon
