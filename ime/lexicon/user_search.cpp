// The user dictionary side of the pinyin search, read through the bounds-checked view of the shared
// user block. Index 2 orders single characters first (by syllable number), then German words, then
// phrases by the first letters of their syllables.
#include <algorithm>
#include <cstdlib>

#include "ime/lexicon/lexicon.h"
#include "ime/lexicon/lookup_letters.h"
#include "ime/lexicon/record_lists.h"

namespace kellavor::lexicon {
namespace {

using namespace candidate_kind;

// Keys of index 2 entries for the first-letter lookups (letters are below 0x10000, a syllable
// without text is 0x10000).
constexpr uint64_t kAfterLetters = 0x20000;
constexpr uint64_t kBeforeLetters = 0;
constexpr uint64_t LetterKey(uint32_t initialKey) { return initialKey + 1; }

}  // namespace

UserRecord Lexicon::UserIndex2Record(uint32_t k) const {
  // Another process may change the block at any time: the count is checked again for every entry.
  if (k >= userBlock_.RecordCount()) return {};
  return userBlock_.RecordAt(userBlock_.Index2(k));
}

int32_t Lexicon::UserCharSearch(const SyllableItem& syllable, base::GrowArray& out, uint8_t mask) {
  const uint32_t count = userBlock_.RecordCount();
  if (count == 0) return out.count();
  const auto keyAt = [&](uint32_t k) {
    const UserRecord record = UserIndex2Record(k);
    return record && record.isSingleChar() ? LetterKey(InitialKey(Syllables(), record.syllable())) : kAfterLetters;
  };
  const LookupLetters lookups = LookupLettersOf(syllable, FuzzyPairs());
  charMemo_.Reset(Syllables().Count());
  for (size_t k = 0; k < lookups.count; ++k) {
    const KeyRange range = EqualKeyRange(count, LetterKey(lookups.letters[k]), keyAt);
    if (range.empty()) break;
    for (uint32_t i = range.first; i < range.last; ++i) {
      const UserRecord record = UserIndex2Record(i);
      if (!record || !record.isSingleChar() || record.syllable() == kNoSyllable) continue;
      if ((record.charClass() & mask) == 0) continue;
      const uint16_t reading = record.syllable();
      if (!charMemo_.Matches(0, reading, [&] { return CharMatch(syllable, reading); })) continue;
      Append(out, MakeCandidate(kUs, static_cast<uint8_t>(k + 1), static_cast<uint8_t>(syllable.length), record.bytes()));
    }
  }
  return out.count();
}

int32_t Lexicon::UserPhraseSearch(std::span<const SyllableItem> syllables, base::GrowArray& out, uint8_t mask,
                                  bool withUser) {
  if (syllables.size() < 2) return 0;
  const uint32_t count = userBlock_.RecordCount();
  if (count == 0) return out.count();
  const auto keyAt = [&](uint32_t k) {
    const UserRecord record = UserIndex2Record(k);
    if (!record) return kAfterLetters;
    if (!record.isPhrase()) return kBeforeLetters;
    return record.syllableCount() == 0 ? kBeforeLetters : LetterKey(InitialKey(Syllables(), record.syllableAt(0)));
  };
  const auto typed = static_cast<int>(syllables.size() & 0xFF);
  const LookupLetters lookups = LookupLettersOf(syllables[0], FuzzyPairs());
  phraseMemo_.Reset(Syllables().Count());
  for (const char16_t letter : lookups.view()) {
    const KeyRange range = EqualKeyRange(count, LetterKey(letter), keyAt);
    if (range.empty()) break;
    for (uint32_t i = range.first; i < range.last; ++i) {
      const UserRecord record = UserIndex2Record(i);
      if (!record || !record.isPhrase() || record.syllableCount() == 0) continue;
      if ((record.charClass() & mask) == 0 || !(withUser || record.isComposed())) continue;
      const std::optional<uint8_t> consumed = MatchPhrase(syllables, record);
      if (!consumed) continue;
      const auto extent = static_cast<uint8_t>(std::abs(static_cast<int>(record.syllableCount() & 0xFF) - typed));
      Append(out, MakeCandidate(kUs, extent, *consumed, record.bytes()));
    }
  }
  return out.count();
}

}  // namespace kellavor::lexicon
