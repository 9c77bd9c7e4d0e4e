#include "tools/dictsite/word_details.h"

#include <algorithm>

#include "ime/lexicon/german_key.h"
#include "ime/lexicon/german_word_lookup.h"
#include "ime/platform/utf.h"

namespace kellavor::dictsite {
namespace {

// A prefix as short as one letter matches a large part of the index; the scan stops after this
// many records, which keeps every request cheap.
constexpr uint32_t kScanLimit = 4000;

DictionaryWord ToDictionaryWord(const lexicon::WordRecord& record) {
  DictionaryWord word;
  word.word = platform::Utf16ToUtf8(record.word());
  word.frequency = record.frequency();
  // Alternatives are separated by the two characters backslash and n.
  std::u16string_view hint = record.hint();
  while (!hint.empty()) {
    const size_t separator = hint.find(u"\\n");
    const std::u16string_view gloss = hint.substr(0, separator);
    if (!gloss.empty()) word.glosses.push_back(platform::Utf16ToUtf8(gloss));
    if (separator == std::u16string_view::npos) break;
    hint.remove_prefix(separator + 2);
  }
  return word;
}

// The first index position whose key is not below key.
uint32_t FirstAtOrAfter(const lexicon::SystemDictionaries& dictionaries, std::u16string_view key) {
  const lexicon::IndexView index = dictionaries.WordKeyIndex();
  uint32_t low = 0;
  uint32_t high = index.size();
  while (low < high) {
    const uint32_t middle = low + (high - low) / 2;
    const lexicon::WordRecord record = dictionaries.WordRecordAt(index[middle]);
    if (record && record.key() < key) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return low;
}

// The records whose key begins with key, most frequent first.
std::vector<lexicon::WordRecord> RecordsWithKey(const lexicon::SystemDictionaries& dictionaries,
                                                std::u16string_view key) {
  std::vector<lexicon::WordRecord> records;
  const lexicon::IndexView index = dictionaries.WordKeyIndex();
  const uint32_t first = FirstAtOrAfter(dictionaries, key);
  const uint32_t end = first + std::min(index.size() - first, kScanLimit);
  for (uint32_t k = first; k < end; ++k) {
    const lexicon::WordRecord record = dictionaries.WordRecordAt(index[k]);
    if (!record) continue;
    const std::u16string_view recordKey = record.key();
    if (!recordKey.starts_with(key)) break;
    records.push_back(record);
  }
  std::stable_sort(records.begin(), records.end(), [](const lexicon::WordRecord& a, const lexicon::WordRecord& b) {
    return a.frequency() > b.frequency();
  });
  return records;
}

}  // namespace

std::optional<WordDetails> LookUpWord(const lexicon::SystemDictionaries& dictionaries, std::u16string_view word) {
  if (word.empty()) return std::nullopt;
  const lexicon::WordRecord record = lexicon::FindGermanWord(dictionaries, word);
  if (!record) return std::nullopt;
  WordDetails details;
  details.entry = ToDictionaryWord(record);
  const std::u16string key = lexicon::FoldGermanKey(word);
  for (const lexicon::WordRecord& other : RecordsWithKey(dictionaries, key)) {
    if (other.word() == word) continue;
    const bool sameKey = other.key().size() == key.size();
    std::vector<std::string>& list = sameKey ? details.variants : details.longer;
    if (list.size() < kRelatedWords) list.push_back(platform::Utf16ToUtf8(other.word()));
  }
  return details;
}

std::vector<DictionaryWord> WordsBeginningWith(const lexicon::SystemDictionaries& dictionaries,
                                               std::u16string_view letters, size_t limit) {
  std::vector<DictionaryWord> words;
  const std::u16string key = lexicon::FoldGermanKey(letters);
  if (key.empty()) return words;
  for (const lexicon::WordRecord& record : RecordsWithKey(dictionaries, key)) {
    if (words.size() == limit) break;
    words.push_back(ToDictionaryWord(record));
  }
  return words;
}

}  // namespace kellavor::dictsite
