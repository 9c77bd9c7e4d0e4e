#include "ime/lexicon/german_search.h"

#include <algorithm>

#include <string>

#include "ime/base/sort_records.h"
#include "ime/lexicon/candidate.h"
#include "ime/lexicon/candidate_view.h"
#include "ime/lexicon/german_key.h"
#include "ime/lexicon/candidate_order.h"
#include "ime/lexicon/key_range.h"

namespace kellavor::lexicon {
namespace {

// Compares the first n units of a with b, stopping early at a zero unit in either.
int CompareBounded(std::u16string_view a, std::u16string_view b, size_t n) {
  for (size_t i = 0; i < n; ++i) {
    const char16_t x = i < a.size() ? a[i] : u'\0';
    const char16_t y = i < b.size() ? b[i] : u'\0';
    if (x != y) return x < y ? -1 : 1;
    if (x == u'\0') return 0;
  }
  return 0;
}

// A word is exactly typed when its key is the folded input itself: the key of Straße (strasse)
// is longer than the word, so comparing the word's own length with the input's would rank it
// behind Straßen when typed in full.
uint8_t ExtentFor(std::u16string_view key, size_t foldedLength) { return key.size() == foldedLength ? 0 : 1; }

void Append(base::GrowArray& out, uint16_t kind, uint8_t extent, const void* entry) {
  const Candidate candidate = MakeCandidate(kind, extent, 0, entry);
  out.InsertAt(&candidate, 1, out.count());  // a candidate that cannot be stored is dropped
}

// Where the folded input stands against entry k of the word key index, over its first n units.
struct WordKeyOrder {
  const SystemDictionaries& dictionaries;
  IndexView index;
  std::u16string_view foldedKey;
  size_t n;

  int operator()(uint32_t k) const {
    const WordRecord record = dictionaries.WordRecordAt(index[k]);
    return CompareBounded(foldedKey, record ? record.key() : std::u16string_view(), n);
  }
};

// What the prefix range held: the highest frequency of its words (0 for none), and the input
// itself as a word.
struct PrefixMatches {
  uint32_t frequency = 0;
  bool exact = false;
};

// Appends the words whose key begins with the folded input. Keys equal to the input sort before
// the longer keys it begins, so only the records at the start of the range need their key
// measured.
PrefixMatches AppendPrefixRange(const SystemDictionaries& dictionaries, std::u16string_view folded,
                                base::GrowArray& out) {
  const IndexView index = dictionaries.WordKeyIndex();
  const KeyRange range = EqualRangeBy(index.size(), WordKeyOrder{dictionaries, index, folded, folded.size()});
  uint32_t frequency = 0;
  bool exact = false;
  bool inExactRun = true;
  for (uint32_t k = range.first; k < range.last && out.count() < kGermanPrefixLimit; ++k) {
    const WordRecord record = dictionaries.WordRecordAt(index[k]);
    if (!record) continue;
    inExactRun = inExactRun && ExtentFor(record.key(), folded.size()) == 0;
    exact = exact || inExactRun;
    Append(out, candidate_kind::kPh, inExactRun ? 0 : 1, record.bytes());
    frequency = std::max(frequency, record.frequency());
  }
  return {frequency, exact};
}

// Appends the records of a corrected key: every word of it, in each case the dictionary has.
// When the input is itself a dictionary word, the corrections rank after it; otherwise they are
// what the writer meant to type, whatever their length, and rank with the exactly typed words,
// before the longer words the input begins (Haus before Häuser for hause).
void AppendCorrectedKey(const SystemDictionaries& dictionaries, KeyRange range, bool exact, base::GrowArray& out) {
  const IndexView index = dictionaries.WordKeyIndex();
  for (uint32_t k = range.first; k < range.last; ++k) {
    const WordRecord record = dictionaries.WordRecordAt(index[k]);
    if (record) Append(out, candidate_kind::kPh, exact ? 1 : 0, record.bytes());
  }
}

// Appends the dictionary words the speller's first suggestions name, every word of the folded
// suggestion's key (a lower-case input is asked capitalised, and Hunspell then capitalises its
// suggestions; Gestern and gestern are both brought in, and frequency decides). Words the prefix
// range holds already are skipped.
void AppendSpellerCorrections(const GermanSources& sources, std::u16string_view text, std::u16string_view folded,
                              bool exact, base::GrowArray& out) {
  const std::vector<std::u16string> suggestions = sources.speller.SuggestWords(text);
  const IndexView index = sources.dictionaries.WordKeyIndex();
  const size_t looked = std::min(suggestions.size(), kSpellerSuggestions);
  for (size_t s = 0; s < looked; ++s) {
    const std::u16string key = FoldGermanKey(suggestions[s]);
    if (key.starts_with(folded)) continue;
    // Over one unit more than the key, so that only keys ending where it ends compare equal.
    const KeyRange range = EqualRangeBy(index.size(), WordKeyOrder{sources.dictionaries, index, key, key.size() + 1});
    AppendCorrectedKey(sources.dictionaries, range, exact, out);
  }
}

// Appends the corrections of the input: the dictionary words one edit away. Only when there are
// none and no word begins within one edit of the input either is the speller asked; letters one
// edit from the beginning of a word are that word in the making, where the speller, which corrects
// whole words, costs milliseconds for nothing.
void AppendCorrections(const GermanSources& sources, std::u16string_view text, std::u16string_view folded,
                       bool exact, base::GrowArray& out) {
  NearKeys fresh;
  NearKeys& kept = sources.nearKeys != nullptr ? *sources.nearKeys : fresh;
  const NearKeyMatches near = kept.Find(sources.dictionaries, folded);
  for (const KeyRange& range : near.words) AppendCorrectedKey(sources.dictionaries, range, exact, out);
  if (near.words.empty() && !near.begins) AppendSpellerCorrections(sources, text, folded, exact, out);
}

// User index 1 holds single characters, then German words by their text, then Chinese phrases;
// where the typed text stands against entry k.
struct UserWordOrder {
  const UserBlockView& user;
  std::u16string_view text;

  int operator()(uint32_t k) const {
    const UserRecord record = user.RecordAt(user.Index1(k));
    if (!record || record.isSingleChar()) return 1;
    if (record.isPhrase()) return -1;
    return CompareBounded(text, FoldGermanKey(record.text()), text.size());
  }
};

int Compare(uint32_t a, uint32_t b) { return (a > b) - (a < b); }

}  // namespace

int32_t UserWordSearch(const UserBlockView& user, std::u16string_view text, base::GrowArray& out) {
  if (text.empty()) return 0;
  const KeyRange range = EqualRangeBy(user.RecordCount(), UserWordOrder{user, text});
  if (range.empty()) return 0;
  for (uint32_t k = range.first; k < range.last; ++k) {
    const UserRecord record = user.RecordAt(user.Index1(k));
    if (record && record.isGermanWord()) {
      Append(out, candidate_kind::kUs, ExtentFor(FoldGermanKey(record.text()), text.size()), record.bytes());
    }
  }
  return out.count();
}

int32_t SearchGerman(const GermanSources& sources, std::u16string_view text, base::GrowArray& out) {
  if (text.empty()) return 0;
  const std::u16string folded = FoldGermanKey(text);
  const PrefixMatches prefix = AppendPrefixRange(sources.dictionaries, folded, out);
  if (CorrectionsWanted(text.size(), prefix.frequency)) {
    AppendCorrections(sources, text, folded, prefix.exact, out);
  }
  UserWordSearch(sources.user, text, out);
  Deduplicate(out);
  base::SortRecordsBy(out.data(), out.count(), out.recordSize(),
                      [](const void* a, const void* b) { return GermanRankCompare(a, b, nullptr); });
  return out.count();
}

int GermanRankCompare(const void* a, const void* b, void*) {
  const auto& x = *static_cast<const Candidate*>(a);
  const auto& y = *static_cast<const Candidate*>(b);
  if (x.kind != y.kind) {
    if ((x.extent == 0) != (y.extent == 0)) return x.extent == 0 ? -1 : 1;
    if (x.kind == candidate_kind::kPh) return 1;
    if (y.kind == candidate_kind::kPh) return -1;
    return 0;
  }
  if (x.kind == candidate_kind::kPh) {
    if (x.extent != y.extent) return x.extent < y.extent ? -1 : 1;
    return Compare(CandidateView(y).word().frequency(), CandidateView(x).word().frequency());
  }
  if (x.kind == candidate_kind::kUs) {
    if (x.extent != y.extent) return x.extent < y.extent ? -1 : 1;
    const UserRecord xr = CandidateView(x).user();
    const UserRecord yr = CandidateView(y).user();
    if (xr.useCount() != yr.useCount()) return Compare(yr.useCount(), xr.useCount());
    return Compare(yr.baseFrequency(), xr.baseFrequency());
  }
  return 0;
}

}  // namespace kellavor::lexicon
