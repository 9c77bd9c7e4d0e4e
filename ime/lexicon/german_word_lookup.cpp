#include "ime/lexicon/german_word_lookup.h"

#include <string>

#include "ime/lexicon/german_key.h"

namespace kellavor::lexicon {

WordRecord FindGermanWord(const SystemDictionaries& dictionaries, std::u16string_view word) {
  const std::u16string key = FoldGermanKey(word);
  const IndexView index = dictionaries.WordKeyIndex();
  const auto keyAt = [&](uint32_t k) {
    const WordRecord record = dictionaries.WordRecordAt(index[k]);
    return record ? record.key() : std::u16string_view();
  };
  uint32_t low = 0;
  uint32_t high = index.size();
  while (low < high) {
    const uint32_t middle = low + (high - low) / 2;
    if (keyAt(middle) < key) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  for (; low < index.size() && keyAt(low) == key; ++low) {
    const WordRecord record = dictionaries.WordRecordAt(index[low]);
    if (record && record.word() == word) return record;
  }
  return {};
}

}  // namespace kellavor::lexicon
