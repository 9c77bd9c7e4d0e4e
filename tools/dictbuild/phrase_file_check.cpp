#include <algorithm>
#include <string>
#include <utility>

#include "ime/lexicon/dictionary_format.h"
#include "ime/lexicon/phrase_record.h"
#include "tools/dictbuild/file_checkers.h"

namespace kellavor::dictbuild {
namespace {

constexpr std::string_view kFile = "data_ph.bin";

size_t CodePoints(std::u16string_view text) {
  size_t count = 0;
  for (size_t k = 0; k < text.size(); ++k, ++count) {
    if (text[k] >= 0xD800 && text[k] <= 0xDBFF && k + 1 < text.size() && text[k + 1] >= 0xDC00 && text[k + 1] <= 0xDFFF) ++k;
  }
  return count;
}

std::string Record(uint32_t n) { return "record " + std::to_string(n); }

}  // namespace

void CheckPhraseFile(lexicon::SystemDictionaries& dictionaries, std::span<const uint8_t> file, Violations& violations) {
  namespace word = lexicon::header_word;
  const uint32_t areaOffset = lexicon::HeaderWord(file.data(), word::kPhraseArea);
  const uint32_t indexOffset = lexicon::HeaderWord(file.data(), word::kPhraseInitialsIndex);
  CheckHeader(file, kFile, {word::kEntryCount, word::kPhraseArea, word::kPhraseAreaLength, word::kPhraseInitialsIndex},
              std::min(areaOffset, indexOffset), violations);
  const uint32_t count = dictionaries.PhraseRecordCount();
  if (Overlap(areaOffset, lexicon::HeaderWord(file.data(), word::kPhraseAreaLength), indexOffset, 4ull * count)) {
    violations.Add(kFile, "the record area and the index overlap", "");
  }

  for (uint32_t n = 0; n < count; ++n) {
    const lexicon::PhraseRecord record = dictionaries.PhraseRecordAt(n);
    const std::u16string_view text = record.text();
    if (text.empty()) violations.Add(kFile, "empty text", Record(n));
    if (text.find(u'\0') != std::u16string_view::npos) violations.Add(kFile, "a zero unit inside the text", Record(n));
    if (CodePoints(text) != record.syllableCount()) violations.Add(kFile, "not one syllable per character", Record(n));
    for (uint32_t i = 0; i < record.syllableCount(); ++i) {
      if (record.syllable(i) >= dictionaries.SyllableCount()) {
        violations.Add(kFile, "syllable number outside the syllable table", Record(n));
        break;
      }
    }
  }

  const lexicon::IndexView index = dictionaries.PhraseInitialsIndex();
  CheckIndexNamesEachOnce(index, count, kFile, violations);
  // The first letters of a phrase's first two syllables.
  auto initials = [&](uint32_t k) {
    const lexicon::PhraseRecord record = dictionaries.PhraseRecordAt(index[k]);
    auto letter = [&](uint32_t i) {
      const std::u16string_view text = dictionaries.SyllableText(record.syllable(i));
      return text.empty() ? char16_t{0xFFFF} : text.front();
    };
    return std::make_pair(letter(0), letter(1));
  };
  for (uint32_t k = 1; k < index.size(); ++k) {
    if (initials(k - 1) > initials(k)) {
      violations.Add(kFile, "the initials index is not ordered by the first letters of the first two syllables",
                     "entry " + std::to_string(k));
    }
  }
}

}  // namespace kellavor::dictbuild
