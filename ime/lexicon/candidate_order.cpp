#include "ime/lexicon/candidate_order.h"

#include <algorithm>
#include <string_view>

#include "ime/base/sort_records.h"
#include "ime/lexicon/candidate_view.h"
#include "ime/lexicon/record_lists.h"

namespace kellavor::lexicon {
namespace {

int CompareTexts(const CandidateView& a, const CandidateView& b) {
  char16_t scratchA[2];
  char16_t scratchB[2];
  return a.Text(scratchA).compare(b.Text(scratchB));
}

// Three-way comparisons with the result negative when a comes first.
template <typename T>
int Ascending(T a, T b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}
template <typename T>
int Descending(T a, T b) {
  return Ascending(b, a);
}
// a first when only a holds.
int FirstWhen(bool a, bool b) { return a == b ? 0 : (a ? -1 : 1); }

constexpr std::u16string_view kPersonalCharacters = u"你您我他她它这那不";

size_t PersonalCharacters(const CandidateView& c) {
  char16_t scratch[2];
  const std::u16string_view text = c.Text(scratch);
  return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char16_t unit) {
    return kPersonalCharacters.find(unit) != std::u16string_view::npos;
  }));
}

// Two phrases of the dictionary.
int RankPhrases(const Candidate& a, const Candidate& b, const CandidateView& x, const CandidateView& y, bool bestOnly) {
  if (const int order = FirstWhen(a.extent == 0, b.extent == 0)) return order;
  if (bestOnly) {
    if (const int order = Descending(PersonalCharacters(x), PersonalCharacters(y))) return order;
  }
  if (const int order = Ascending(a.extent, b.extent)) return order;
  return Descending(x.frequency(), y.frequency());
}

// Two characters of the dictionary.
int RankCharacters(const CharRecord& x, const CharRecord& y) {
  if (const int order = Descending(x.charClass(), y.charClass())) return order;
  return Descending(x.frequency(), y.frequency());
}

// Two learned entries.
int RankLearned(const Candidate& a, const Candidate& b, const UserRecord& x, const UserRecord& y) {
  if (x.isSingleChar() == y.isSingleChar()) {
    if (const int order = FirstWhen(a.extent == 0, b.extent == 0)) return order;
    if (const int order = Descending(x.useCount(), y.useCount())) return order;
    return Descending(x.baseFrequency(), y.baseFrequency());
  }
  if (const int order = Ascending(a.extent, b.extent)) return order;
  if (const int order = Descending(x.useCount(), y.useCount())) return order;
  return FirstWhen(x.isSingleChar(), y.isSingleChar());
}

// a: a phrase of the dictionary, b: a learned entry.
int RankPhraseAgainstLearned(const Candidate& a, const Candidate& b) {
  const int order = Ascending(a.extent, b.extent);
  return order != 0 ? order : 1;
}

}  // namespace

namespace {

// The texts of two dictionary phrases (or German words), compared in place up to their zero
// units: the order of comparing them as whole texts, without measuring them first.
int CompareRecordTexts(const void* a, const void* b) {
  const auto* x = reinterpret_cast<const char16_t*>(static_cast<const uint8_t*>(a) + PhraseRecord::kTextOffset);
  const auto* y = reinterpret_cast<const char16_t*>(static_cast<const uint8_t*>(b) + PhraseRecord::kTextOffset);
  for (; *x == *y; ++x, ++y) {
    if (*x == u'\0') return 0;
  }
  return *x < *y ? -1 : 1;
}

// The identity order of any two candidates, read through their views.
int IdentityOfViews(const Candidate& a, const Candidate& b, bool tieBreak) {
  const CandidateView x(a);
  const CandidateView y(b);
  if (!x.isRecord() || !y.isRecord()) return 0;
  const bool single = x.isSingleCharacter();
  if (const int order = FirstWhen(single, y.isSingleCharacter())) return order;
  const int order = single ? Ascending(x.characterValue(), y.characterValue()) : CompareTexts(x, y);
  if (order != 0 || !tieBreak) return order;
  if (x.isLearned() || y.isLearned()) return FirstWhen(x.isLearned(), y.isLearned());
  return Descending(x.frequency(), y.frequency());
}

// The rank order of any two candidates, read through their views.
int RankOfViews(const Candidate& a, const Candidate& b, bool bestOnly) {
  const CandidateView x(a);
  const CandidateView y(b);
  if (!x.isRecord() || !y.isRecord()) return 0;
  const CharRecord* const characterA = x.character();
  const CharRecord* const characterB = y.character();
  if (characterA != nullptr && characterB != nullptr) return RankCharacters(*characterA, *characterB);
  if (characterA != nullptr || characterB != nullptr) return FirstWhen(characterB != nullptr, characterA != nullptr);
  if (x.isLearned() && y.isLearned()) return RankLearned(a, b, x.user(), y.user());
  if (x.isLearned()) return -RankPhraseAgainstLearned(b, a);
  return y.isLearned() ? RankPhraseAgainstLearned(a, b) : RankPhrases(a, b, x, y, bestOnly);
}

}  // namespace

// The most common pairs, two dictionary phrases or words and two dictionary characters, take the
// general rules' paths without the views: the searches sort thousands of them per key.
int IdentityCompare(const Candidate& a, const Candidate& b, bool tieBreak) {
  if (a.kind == b.kind && a.entry != nullptr && b.entry != nullptr) {
    if (a.kind == candidate_kind::kPh) {
      const int order = CompareRecordTexts(a.entry, b.entry);
      if (order != 0 || !tieBreak) return order;
      return Descending(PhraseRecord(static_cast<const uint8_t*>(a.entry)).frequency(),
                        PhraseRecord(static_cast<const uint8_t*>(b.entry)).frequency());
    }
    if (a.kind == candidate_kind::kSi) {
      const auto& x = *static_cast<const CharRecord*>(a.entry);
      const auto& y = *static_cast<const CharRecord*>(b.entry);
      const int order = Ascending(x.character(), y.character());
      if (order != 0 || !tieBreak) return order;
      return Descending(x.frequency(), y.frequency());
    }
  }
  return IdentityOfViews(a, b, tieBreak);
}

int RankCompare(const Candidate& a, const Candidate& b, bool bestOnly) {
  if (a.kind == candidate_kind::kSi && b.kind == candidate_kind::kSi && a.entry != nullptr && b.entry != nullptr) {
    return RankCharacters(*static_cast<const CharRecord*>(a.entry), *static_cast<const CharRecord*>(b.entry));
  }
  return RankOfViews(a, b, bestOnly);
}

namespace {

// The sorts compare the characters of a list thousands of times per key (the first letters of a
// word find hundreds), each comparison reading two records of the mapped dictionary. A character's
// place in an order is instead computed once, before the sort, into the candidate's spare field
// (a number that orders two characters as the comparison of their records does; 0 where it cannot,
// which compares through the records), and the field is cleared after the sort.
template <typename Key>
void SetCharacterKeys(std::span<Candidate> records, const Key& key) {
  for (Candidate& c : records) {
    c.reserved = c.kind == candidate_kind::kSi && c.entry != nullptr ? key(*static_cast<const CharRecord*>(c.entry)) : 0;
  }
}

void ClearCharacterKeys(std::span<Candidate> records) {
  for (Candidate& c : records) c.reserved = 0;
}

bool BothKeyed(const Candidate& a, const Candidate& b) {
  return a.kind == candidate_kind::kSi && b.kind == candidate_kind::kSi && a.reserved != 0 && b.reserved != 0;
}

// The character value, then the more frequent first: characters of the basic plane only.
uint32_t IdentityKey(const CharRecord& record) {
  if (record.character() == 0 || record.character() > 0xFFFF) return 0;
  return record.character() << 16 | (0xFFFFu - record.frequency());
}

// The higher class, then the more frequent first (the larger key first).
uint32_t RankKey(const CharRecord& record) { return (uint32_t{record.charClass()} << 16 | record.frequency()) + 1; }

}  // namespace

void Deduplicate(base::GrowArray& list) {
  SetCharacterKeys(Records<Candidate>(list), IdentityKey);
  base::SortRecordsBy(list.data(), list.count(), list.recordSize(), [](const void* a, const void* b) {
    const auto& x = *static_cast<const Candidate*>(a);
    const auto& y = *static_cast<const Candidate*>(b);
    if (BothKeyed(x, y)) return Ascending(x.reserved, y.reserved);
    return IdentityCompare(x, y, true);
  });
  const std::span<Candidate> records = Records<Candidate>(list);
  ClearCharacterKeys(records);
  size_t kept = 0;
  for (size_t i = 0; i < records.size(); ++i) {
    if (kept == 0 || IdentityCompare(records[kept - 1], records[i], false) != 0) records[kept++] = records[i];
  }
  while (static_cast<size_t>(list.count()) > kept) list.RemoveAt(list.count() - 1);
}

void RankCandidates(base::GrowArray& list, bool bestOnly) {
  SetCharacterKeys(Records<Candidate>(list), RankKey);
  base::SortRecordsBy(list.data(), list.count(), list.recordSize(), [bestOnly](const void* a, const void* b) {
    const auto& x = *static_cast<const Candidate*>(a);
    const auto& y = *static_cast<const Candidate*>(b);
    if (BothKeyed(x, y)) return Descending(x.reserved, y.reserved);
    return RankCompare(x, y, bestOnly);
  });
  ClearCharacterKeys(Records<Candidate>(list));
}

}  // namespace kellavor::lexicon
