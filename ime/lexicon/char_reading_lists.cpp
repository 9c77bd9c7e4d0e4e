#include "ime/lexicon/char_reading_lists.h"

#include <algorithm>
#include <utility>

#include "ime/lexicon/char_record.h"

namespace kellavor::lexicon {

void CharReadingLists::Build(const SystemDictionaries& dictionaries, FirstLetterRanges& ranges) {
  *this = CharReadingLists{};
  const IndexView index = dictionaries.CharIndex();
  std::vector<std::pair<uint16_t, uint32_t>> entries;
  // At most one position per index entry: reserved at once, the list would otherwise double its way
  // to nearly twice that.
  positions_.reserve(index.size());
  for (int l = 0; l < kLetters; ++l) {
    letterFirst_[l] = static_cast<uint32_t>(readings_.size());
    const KeyRange range = ranges.Chars(dictionaries, static_cast<char16_t>(u'a' + l));
    entries.clear();
    for (uint32_t i = range.first; i < range.last; ++i) {
      if (const CharRecord* record = dictionaries.CharRecordAt(index[i])) entries.emplace_back(record->syllable(), i);
    }
    std::sort(entries.begin(), entries.end());
    for (size_t k = 0; k < entries.size(); ++k) {
      if (k == 0 || entries[k].first != entries[k - 1].first) {
        readings_.push_back({entries[k].first, static_cast<uint32_t>(positions_.size()), 0});
      }
      positions_.push_back(entries[k].second);
      readings_.back().last = static_cast<uint32_t>(positions_.size());
    }
  }
  letterFirst_[kLetters] = static_cast<uint32_t>(readings_.size());
  built_ = true;
}

std::span<const CharReadingLists::Reading> CharReadingLists::ReadingsOf(char16_t letter) const {
  if (letter < u'a' || letter > u'z') return {};
  const int l = letter - u'a';
  return std::span<const Reading>(readings_).subspan(letterFirst_[l], letterFirst_[l + 1] - letterFirst_[l]);
}

}  // namespace kellavor::lexicon
