// The system dictionary side of the pinyin search: segmentation, phrases, characters, and the core
// search that ranks them.
#include <algorithm>
#include <cstdlib>
#include <utility>

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

}  // namespace

int32_t Lexicon::SearchSyllables(std::u16string_view text, base::GrowArray& out, uint8_t classMask, bool bestOnly,
                                 bool withUser) {
  text = text.substr(0, std::min(text.find(u'\0'), kMaxSegmentedLetters));
  if (text.empty()) return 0;
  SplitSyllables(text, mainSyllables_, alternativeSyllables_);
  const std::span<const SyllableItem> main = Records<SyllableItem>(mainSyllables_);
  const std::span<const SyllableItem> alternative = Records<SyllableItem>(alternativeSyllables_);
  if (main.empty()) return 0;
  const uint8_t charMask = main.size() > 1 ? 1 : classMask;

  // An input of one syllable that no learned entry matches ranks as it did the last time.
  const bool keepsList = reuseOn_ && !bestOnly && main.size() == 1 && out.count() == 0 &&
                         !LearnedEntriesMatch(main[0], alternative, classMask, charMask, withUser);
  const OneSyllableKey key{keepsList ? std::u16string(text) : std::u16string(), classMask};
  if (keepsList) {
    if (const KeptRanking* kept = reuse_.oneSyllable.Find(key)) {
      kept->AppendTo(out, dictionaries_);
      return out.count();
    }
  }

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
  if (keepsList) reuse_.oneSyllable.Add(key).Keep(Records<Candidate>(out), dictionaries_);
  return out.count();
}

bool Lexicon::LearnedEntriesMatch(const SyllableItem& first, std::span<const SyllableItem> alternative,
                                  uint8_t classMask, uint8_t charMask, bool withUser) {
  EmptyList(learnedScratch_);
  if (withUser) UserCharSearch(first, learnedScratch_, charMask);
  if (!alternative.empty()) {
    UserPhraseSearch(alternative, learnedScratch_, classMask, withUser);
    if (withUser && alternative[0].view() != first.view()) UserCharSearch(alternative[0], learnedScratch_, charMask);
  }
  return learnedScratch_.count() > 0;
}

void Lexicon::SplitSyllables(std::u16string_view text, base::GrowArray& main, base::GrowArray& alternative) {
  // The candidate search and the sentence split the same text one after the other.
  KeptSplit& kept = reuse_.split;
  if (reuseOn_ && reuse_.splitKept && kept.text == text) {
    EmptyList(main);
    EmptyList(alternative);
    AppendAll<SyllableItem>(main, kept.main);
    AppendAll<SyllableItem>(alternative, kept.alternative);
    return;
  }
  const PhraseTest hasPhrase = [this](std::span<const SyllableItem> pieces) {
    return PhraseExists(pieces, kSplitClassMask);
  };
  if (!reuseOn_) {
    lexicon::SplitSyllables(syllableSet_, text, main, alternative, hasPhrase);
    return;
  }
  lexicon::SplitSyllables(syllableSet_, text, main, alternative, hasPhrase, reuse_.readings);
  kept.text.assign(text);
  kept.main.assign(Records<SyllableItem>(main).begin(), Records<SyllableItem>(main).end());
  kept.alternative.assign(Records<SyllableItem>(alternative).begin(), Records<SyllableItem>(alternative).end());
  reuse_.splitKept = true;
}

bool Lexicon::PhraseSyllableMatches(const SyllableItem& typed, uint16_t reading) const {
  const std::u16string_view t = typed.view();
  const std::u16string_view d = Syllables().Text(reading);
  if (t.size() == 1) return !d.empty() && d.front() == t.front();
  if (IsBareInitial(t)) return InitialMatch(FuzzyPairs(), t, d) == 0;
  return FuzzyMatch(FuzzyPairs(), t, d) == 0;
}

template <typename SyllableAt>
std::optional<uint8_t> Lexicon::MatchSyllables(std::span<const SyllableItem> typed, uint32_t count,
                                               const SyllableAt& syllableAt) {
  const size_t compared = std::min<size_t>(count, typed.size());
  size_t consumed = 0;
  for (size_t i = 0; i < compared; ++i) {
    const uint16_t reading = syllableAt(static_cast<uint32_t>(i));
    if (!phraseMemo_.Matches(i, reading, [&] { return PhraseSyllableMatches(typed[i], reading); })) return std::nullopt;
    consumed += static_cast<size_t>(typed[i].length);
  }
  return static_cast<uint8_t>(consumed);
}

std::optional<uint8_t> Lexicon::MatchPhrase(std::span<const SyllableItem> syllables, const PhraseRecord& phrase) {
  return MatchSyllables(syllables, phrase.syllableCount(), [&](uint32_t i) { return phrase.syllable(i); });
}

std::optional<uint8_t> Lexicon::MatchPhrase(std::span<const SyllableItem> syllables, const UserRecord& phrase) {
  return MatchSyllables(syllables, phrase.syllableCount(), [&](uint32_t i) { return phrase.syllableAt(i); });
}

std::optional<uint8_t> Lexicon::MatchLastSyllable(std::span<const SyllableItem> syllables,
                                                  std::span<const size_t> covered, const PhraseRecord& phrase) {
  const size_t compared = std::min<size_t>(phrase.syllableCount(), syllables.size());
  if (compared == syllables.size()) {
    const size_t last = syllables.size() - 1;
    const uint16_t reading = phrase.syllable(static_cast<uint32_t>(last));
    if (!phraseMemo_.Matches(last, reading, [&] { return PhraseSyllableMatches(syllables[last], reading); })) {
      return std::nullopt;
    }
  }
  return static_cast<uint8_t>(covered[compared]);
}

template <typename VisitRange>
void Lexicon::ForEachPhraseRange(std::span<const SyllableItem> syllables, const VisitRange& visitRange) {
  const LookupLetters firsts = LookupLettersOf(syllables[0], FuzzyPairs(), kPhraseLookups);
  const LookupLetters seconds = LookupLettersOf(syllables[1], FuzzyPairs(), kPhraseLookups);
  for (const char16_t first : firsts.view()) {
    for (const char16_t second : seconds.view()) {
      const KeyRange range = ranges_.Phrases(dictionaries_, first, second);
      if (range.empty()) break;
      if (!visitRange(first, second, range)) return;
    }
  }
}

template <typename Visit>
void Lexicon::ForEachPhrasePosition(std::span<const SyllableItem> syllables, const Visit& visit) {
  ForEachPhraseRange(syllables, [&](char16_t, char16_t, KeyRange range) {
    for (uint32_t k = range.first; k < range.last; ++k) {
      if (!visit(k)) return false;
    }
    return true;
  });
}

// A phrase is compared with the first typed syllable before any other (a phrase without
// syllables compares none), so the phrases failing there can be left out of later searches with
// the same first syllable: while the second syllable grows, letter by letter, and while the
// syllables after it are typed.
const std::vector<uint32_t>& Lexicon::PhraseHeads(std::span<const SyllableItem> syllables, uint8_t mask) {
  const PhraseHeadKey key{syllables[0], syllables[1].text[0], mask};
  if (const std::vector<uint32_t>* kept = reuse_.phraseHeads.Find(key)) return *kept;
  // Gathered in the scratch list and kept in one allocation of their size.
  std::vector<uint32_t>& heads = positionScratch_;
  heads.clear();
  const IndexView index = dictionaries_.PhraseInitialsIndex();
  const auto addHead = [&](uint32_t k) {
    const PhraseRecord phrase = dictionaries_.PhraseRecordAt(index[k]);
    if (!phrase || (phrase.charClass() & mask) == 0) return;
    if (phrase.syllableCount() > 0 &&
        !phraseMemo_.Matches(0, phrase.syllable(0), [&] { return PhraseSyllableMatches(syllables[0], phrase.syllable(0)); })) {
      return;
    }
    heads.push_back(k);
  };
  const bool exact = MatchesOnlyItsReading(syllables[0]);
  const auto matches = [&](uint16_t reading) {
    if (exact) return Syllables().Text(reading) == syllables[0].view();
    return phraseMemo_.Matches(0, reading, [&] { return PhraseSyllableMatches(syllables[0], reading); });
  };
  // The phrases of the matching readings, in index order, where the reading lists give them.
  ForEachPhraseRange(syllables, [&](char16_t first, char16_t second, KeyRange range) {
    const ReadingRange readings = phraseReadings_.ReadingsOf(dictionaries_, ranges_, first, second);
    if (!VisitMatchingReadings(phraseReadings_.Groups(), readings, matches, addHead)) {
      for (uint32_t k = range.first; k < range.last; ++k) addHead(k);
    }
    return true;
  });
  std::vector<uint32_t>& kept = reuse_.phraseHeads.Add(key);
  kept.assign(heads.begin(), heads.end());
  return kept;
}

// A phrase matching more typed syllables matches the syllables before the last of them too, so the
// list for a count is the list for one syllable less, filtered: while the syllables after them are
// typed, the search reads only the few phrases that begin with all of them.
const std::vector<uint32_t>& Lexicon::MatchingPhrases(std::span<const SyllableItem> syllables,
                                                      std::span<const size_t> covered, size_t count, uint8_t mask) {
  if (count == 1) return PhraseHeads(syllables, mask);
  // The key is written into a buffer of its own (most lookups find their list; the letters of two
  // syllables are longer than a string holds without allocating), and copied when a list is kept.
  // The search for fewer syllables below writes it too.
  const auto writeKey = [&]() -> const PhrasePrefixKey& {
    PhrasePrefixKey& key = prefixKeyScratch_;
    key.letters.clear();
    key.mask = mask;
    for (const SyllableItem& syllable : syllables.first(count)) {
      key.letters += syllable.view();
      key.letters += u'\'';
    }
    return key;
  };
  if (const std::vector<uint32_t>* kept = reuse_.phrasePrefixes.Find(writeKey())) return *kept;
  const std::vector<uint32_t>& fewer = MatchingPhrases(syllables, covered, count - 1, mask);
  if (fewer.empty()) return fewer;
  std::vector<uint32_t>& matching = positionScratch_;
  matching.clear();
  const IndexView index = dictionaries_.PhraseInitialsIndex();
  for (const uint32_t k : fewer) {
    if (MatchLastSyllable(syllables.first(count), covered, dictionaries_.PhraseRecordAt(index[k]))) {
      matching.push_back(k);
    }
  }
  std::vector<uint32_t>& kept = reuse_.phrasePrefixes.Add(writeKey());
  kept.assign(matching.begin(), matching.end());
  return kept;
}

template <typename Visit>
void Lexicon::ForEachPhrase(std::span<const SyllableItem> syllables, uint8_t mask, const Visit& visit) {
  // A released phrase table is rebuilt before any index entry is read; one that cannot be rebuilt
  // leaves the dictionary absent.
  if (!dictionaries_.PhraseRecordAt(0)) return;
  const IndexView index = dictionaries_.PhraseInitialsIndex();
  phraseMemo_.Reset(Syllables().Count());
  const auto visitAt = [&](uint32_t k) {
    const PhraseRecord phrase = dictionaries_.PhraseRecordAt(index[k]);
    if (!phrase || (phrase.charClass() & mask) == 0) return true;
    const std::optional<uint8_t> consumed = MatchPhrase(syllables, phrase);
    return !consumed || visit(phrase, *consumed);
  };
  if (!reuseOn_) {
    ForEachPhrasePosition(syllables, visitAt);
    return;
  }
  // The letters covered by the first syllables, counted once for every phrase compared.
  std::vector<size_t>& covered = coveredScratch_;
  covered.assign(1, 0);
  for (const SyllableItem& syllable : syllables) covered.push_back(covered.back() + syllable.length);
  // The kept list holds the phrases matching all syllables but the last.
  for (const uint32_t k : MatchingPhrases(syllables, covered, syllables.size() - 1, mask)) {
    const PhraseRecord phrase = dictionaries_.PhraseRecordAt(index[k]);
    const std::optional<uint8_t> consumed = MatchLastSyllable(syllables, covered, phrase);
    if (consumed && !visit(phrase, *consumed)) return;
  }
}

int32_t Lexicon::PhraseSearch(std::span<const SyllableItem> syllables, base::GrowArray& out, uint8_t mask) {
  if (syllables.size() < 2) return 0;
  const auto typed = static_cast<int>(syllables.size() & 0xFF);
  // Gathered first and appended in one step.
  std::vector<Candidate>& found = phraseScratch_;
  found.clear();
  ForEachPhrase(syllables, mask, [&](const PhraseRecord& phrase, uint8_t consumed) {
    const auto extent = static_cast<uint8_t>(std::abs(static_cast<int>(phrase.syllableCount() & 0xFF) - typed));
    found.push_back(MakeCandidate(kPh, extent, consumed, phrase.bytes()));
    return true;
  });
  AppendAll<Candidate>(out, found);
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

bool Lexicon::CharMatch(const SyllableItem& syllable, uint16_t reading) const {
  const std::u16string_view d = Syllables().Text(reading);
  if (IsBareInitial(syllable.view())) return InitialMatch(FuzzyPairs(), syllable.view(), d) == 0;
  return FuzzyMatch(FuzzyPairs(), syllable.view(), d) == 0;
}

int32_t Lexicon::CharSearch(const SyllableItem& syllable, base::GrowArray& out, uint8_t mask) {
  if (!reuseOn_) {
    std::vector<Candidate> found;
    FindCharacters(syllable, mask, found);
    AppendAll<Candidate>(out, found);
    return out.count();
  }
  const CharKey key{syllable, mask};
  const std::vector<Candidate>* kept = reuse_.characters.Find(key);
  if (kept == nullptr) {
    // Gathered in a scratch list and kept in one allocation of their size.
    std::vector<Candidate>& gathered = characterScratch_;
    gathered.clear();
    FindCharacters(syllable, mask, gathered);
    std::vector<Candidate>& found = reuse_.characters.Add(key);
    found.assign(gathered.begin(), gathered.end());
    kept = &found;
  }
  AppendAll<Candidate>(out, *kept);
  return out.count();
}

void Lexicon::FindCharacters(const SyllableItem& syllable, uint8_t mask, std::vector<Candidate>& found) {
  const IndexView index = dictionaries_.CharIndex();
  const LookupLetters lookups = LookupLettersOf(syllable, FuzzyPairs());
  charMemo_.Reset(Syllables().Count());
  PrepareSearch();
  const bool exact = MatchesOnlyItsReading(syllable);
  const auto matches = [&](uint16_t reading) {
    if (exact) return Syllables().Text(reading) == syllable.view();
    return charMemo_.Matches(0, reading, [&] { return CharMatch(syllable, reading); });
  };
  for (size_t k = 0; k < lookups.count; ++k) {
    const KeyRange range = ranges_.Chars(dictionaries_, lookups.letters[k]);
    if (range.empty()) break;
    const auto add = [&](uint32_t i) {
      const CharRecord* record = dictionaries_.CharRecordAt(index[i]);
      if ((record->charClass() & mask) == 0) return;
      const uint16_t reading = record->syllable();
      if (!charMemo_.Matches(0, reading, [&] { return CharMatch(syllable, reading); })) return;
      found.push_back(MakeCandidate(kSi, static_cast<uint8_t>(k + 1), static_cast<uint8_t>(syllable.length), record));
    };
    // The records of the matching readings, in the same order.
    if (reuseOn_ &&
        VisitMatchingReadings(charReadings_.Groups(), charReadings_.ReadingsOf(lookups.letters[k]), matches, add)) {
      continue;
    }
    for (uint32_t i = range.first; i < range.last; ++i) add(i);
  }
}

bool Lexicon::MatchesOnlyItsReading(const SyllableItem& syllable) const {
  return FuzzyPairs().empty() && syllable.length > 1 && !IsBareInitial(syllable.view());
}

}  // namespace kellavor::lexicon
