// The system dictionary side of the pinyin search: segmentation, phrases, characters, and the core
// search that ranks them.
#include <algorithm>
#include <cstdlib>

#include "ime/lexicon/candidate_order.h"
#include "ime/lexicon/lexicon.h"
#include "ime/lexicon/lookup_letters.h"
#include "ime/lexicon/record_lists.h"
#include "ime/lexicon/segmentation.h"
#include "ime/lexicon/syllables.h"

namespace kellavor::lexicon {
namespace {

using namespace candidate_kind;

// Segmentation asks for phrases of this class mask when it considers splitting a syllable.
constexpr uint8_t kSplitClassMask = 2;
// The phrase search looks up at most this many first letters for each of the first two syllables.
constexpr size_t kPhraseLookups = 3;
// The key of a syllable without text, after every letter.
constexpr uint32_t kNoLetterKey = 0x10000;

}  // namespace

uint32_t Lexicon::InitialKey(uint16_t syllable) const {
  const std::u16string_view text = Syllables().Text(syllable);
  return text.empty() ? kNoLetterKey : text.front();
}

int32_t Lexicon::SearchSyllables(std::u16string_view text, core::GrowArray& out, uint8_t classMask, bool bestOnly,
                                 bool withUser) {
  text = text.substr(0, std::min(text.find(u'\0'), kMaxSegmentedLetters));
  if (text.empty()) return 0;
  SplitSyllables(text, mainSyllables_, alternativeSyllables_);
  const std::span<const SyllableItem> main = Records<SyllableItem>(mainSyllables_);
  const std::span<const SyllableItem> alternative = Records<SyllableItem>(alternativeSyllables_);
  if (main.empty()) return 0;
  const uint8_t charMask = main.size() > 1 ? 1 : classMask;

  const int32_t r1 = PhraseSearch(main, out, classMask) + UserPhraseSearch(main, out, classMask, withUser);
  if (!bestOnly || r1 == 0) {
    CharSearch(main[0], out, charMask);
    if (withUser) UserCharSearch(main[0], out, charMask);
  }
  if (!alternative.empty()) {
    const int32_t r2 =
        PhraseSearch(alternative, out, classMask) + UserPhraseSearch(alternative, out, classMask, withUser);
    if (alternative[0].view() != main[0].view() && (!bestOnly || r2 == 0)) {
      CharSearch(alternative[0], out, charMask);
      if (withUser) UserCharSearch(alternative[0], out, charMask);
    }
  }
  if (!bestOnly) Deduplicate(out);
  RankCandidates(out, bestOnly);
  return out.count();
}

void Lexicon::SplitSyllables(std::u16string_view text, core::GrowArray& main, core::GrowArray& alternative) {
  lexicon::SplitSyllables(Syllables(), FuzzyPairs(), text, main, alternative,
                          [this](std::span<const SyllableItem> pieces) { return PhraseExists(pieces, kSplitClassMask); });
}

template <typename SyllableAt>
std::optional<uint8_t> Lexicon::MatchSyllables(std::span<const SyllableItem> typed, uint32_t count,
                                               const SyllableAt& syllableAt) const {
  const size_t compared = std::min<size_t>(count, typed.size());
  size_t consumed = 0;
  for (size_t i = 0; i < compared; ++i) {
    const std::u16string_view t = typed[i].view();
    const std::u16string_view d = Syllables().Text(syllableAt(static_cast<uint32_t>(i)));
    bool matches;
    if (t.size() == 1) {
      matches = !d.empty() && d.front() == t.front();
    } else if (IsBareInitial(t)) {
      matches = InitialMatch(FuzzyPairs(), t, d) == 0;
    } else {
      matches = FuzzyMatch(FuzzyPairs(), t, d) == 0;
    }
    if (!matches) return std::nullopt;
    consumed += t.size();
  }
  return static_cast<uint8_t>(consumed);
}

std::optional<uint8_t> Lexicon::MatchPhrase(std::span<const SyllableItem> syllables, const PhraseRecord& phrase) const {
  return MatchSyllables(syllables, phrase.syllableCount(), [&](uint32_t i) { return phrase.syllable(i); });
}

std::optional<uint8_t> Lexicon::MatchPhrase(std::span<const SyllableItem> syllables, const UserRecord& phrase) const {
  return MatchSyllables(syllables, phrase.syllableCount(), [&](uint32_t i) { return phrase.syllableAt(i); });
}

KeyRange Lexicon::PhraseRange(const IndexView& index, char16_t first, char16_t second) {
  const uint64_t key = static_cast<uint64_t>(first) << 17 | second;
  return EqualKeyRange(index.size(), key, [&](uint32_t k) {
    const PhraseRecord phrase = dictionaries_.PhraseRecordAt(index[k]);
    if (!phrase) return uint64_t{0};
    return static_cast<uint64_t>(InitialKey(phrase.syllable(0))) << 17 | InitialKey(phrase.syllable(1));
  });
}

template <typename Visit>
void Lexicon::ForEachPhrase(std::span<const SyllableItem> syllables, uint8_t mask, const Visit& visit) {
  // A released phrase table is rebuilt before any index entry is read; one that cannot be rebuilt
  // leaves the dictionary absent.
  if (!dictionaries_.PhraseRecordAt(0)) return;
  const IndexView index = dictionaries_.PhraseInitialsIndex();
  const LookupLetters firsts = LookupLettersOf(syllables[0], FuzzyPairs(), kPhraseLookups);
  const LookupLetters seconds = LookupLettersOf(syllables[1], FuzzyPairs(), kPhraseLookups);
  for (const char16_t first : firsts.view()) {
    for (const char16_t second : seconds.view()) {
      const KeyRange range = PhraseRange(index, first, second);
      if (range.empty()) break;
      for (uint32_t k = range.first; k < range.last; ++k) {
        const PhraseRecord phrase = dictionaries_.PhraseRecordAt(index[k]);
        if (!phrase || (phrase.charClass() & mask) == 0) continue;
        if (const std::optional<uint8_t> consumed = MatchPhrase(syllables, phrase)) {
          if (!visit(phrase, *consumed)) return;
        }
      }
    }
  }
}

int32_t Lexicon::PhraseSearch(std::span<const SyllableItem> syllables, core::GrowArray& out, uint8_t mask) {
  if (syllables.size() < 2) return 0;
  const auto typed = static_cast<int>(syllables.size() & 0xFF);
  ForEachPhrase(syllables, mask, [&](const PhraseRecord& phrase, uint8_t consumed) {
    const auto extent = static_cast<uint8_t>(std::abs(static_cast<int>(phrase.syllableCount() & 0xFF) - typed));
    Append(out, MakeCandidate(kPh, extent, consumed, phrase.bytes()));
    return true;
  });
  return out.count();
}

bool Lexicon::PhraseExists(std::span<const SyllableItem> syllables, uint8_t mask) {
  if (syllables.size() < 2) return false;
  bool found = false;
  ForEachPhrase(syllables, mask, [&](const PhraseRecord&, uint8_t) {
    found = true;
    return false;
  });
  return found;
}

bool Lexicon::ReadingMatches(const SyllableItem& syllable, uint16_t reading) const {
  const std::u16string_view d = Syllables().Text(reading);
  if (IsBareInitial(syllable.view())) return InitialMatch(FuzzyPairs(), syllable.view(), d) == 0;
  return FuzzyMatch(FuzzyPairs(), syllable.view(), d) == 0;
}

bool Lexicon::CharMatch(const SyllableItem& syllable, const CharRecord& record) const {
  return ReadingMatches(syllable, record.syllable());
}

KeyRange Lexicon::CharRange(char16_t letter) const {
  const IndexView index = dictionaries_.CharIndex();
  return EqualKeyRange(index.size(), letter,
                       [&](uint32_t k) { return InitialKey(dictionaries_.CharRecordAt(index[k])->syllable()); });
}

int32_t Lexicon::CharSearch(const SyllableItem& syllable, core::GrowArray& out, uint8_t mask) const {
  const IndexView index = dictionaries_.CharIndex();
  const LookupLetters lookups = LookupLettersOf(syllable, FuzzyPairs());
  for (size_t k = 0; k < lookups.count; ++k) {
    const KeyRange range = CharRange(lookups.letters[k]);
    if (range.empty()) break;
    for (uint32_t i = range.first; i < range.last; ++i) {
      const CharRecord* record = dictionaries_.CharRecordAt(index[i]);
      if ((record->charClass() & mask) == 0 || !CharMatch(syllable, *record)) continue;
      Append(out, MakeCandidate(kSi, static_cast<uint8_t>(k + 1), static_cast<uint8_t>(syllable.length), record));
    }
  }
  return out.count();
}

}  // namespace kellavor::lexicon
