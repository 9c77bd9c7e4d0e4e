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

// The sorts compare the candidates of a list thousands of times per key (the first letters of a
// word find hundreds of characters), each comparison reading two records of the mapped
// dictionaries. A candidate's place in an order is instead computed once, before the sort, into
// its spare field: a number that orders two keyed candidates as the comparison of their records
// does, or 0 where there is none (the candidate compares through its record). The field is
// cleared after the sort.
template <typename Key>
void SetKeys(std::span<Candidate> records, const Key& key) {
  for (Candidate& c : records) c.reserved = c.entry != nullptr ? key(c) : 0;
}

void ClearKeys(std::span<Candidate> records) {
  for (Candidate& c : records) c.reserved = 0;
}

bool BothKeyed(const Candidate& a, const Candidate& b) { return a.reserved != 0 && b.reserved != 0; }

const CharRecord& CharacterOf(const Candidate& c) { return *static_cast<const CharRecord*>(c.entry); }

// Characters of the basic plane: the character value, then the more frequent first.
uint32_t IdentityKey(const Candidate& c) {
  if (c.kind != candidate_kind::kSi) return 0;
  const CharRecord& record = CharacterOf(c);
  if (record.character() == 0 || record.character() > 0xFFFF) return 0;
  return record.character() << 16 | (0xFFFFu - record.frequency());
}

// The larger key first. Characters: the higher class, then the more frequent. Dictionary phrases
// (unless only the best is sought, which weighs their characters) before every character: the
// smaller extent, then the more frequent.
uint32_t RankKey(const Candidate& c, bool bestOnly) {
  if (c.kind == candidate_kind::kSi) return (uint32_t{CharacterOf(c).charClass()} << 16 | CharacterOf(c).frequency()) + 1;
  if (c.kind != candidate_kind::kPh || bestOnly) return 0;
  const uint32_t frequency = PhraseRecord(static_cast<const uint8_t*>(c.entry)).frequency();
  if (frequency > 0xFFFF) return 0;
  return 0x80000000u | (0xFFu - c.extent) << 16 | frequency;
}

}  // namespace

void Deduplicate(base::GrowArray& list) {
  SetKeys(Records<Candidate>(list), IdentityKey);
  base::SortRecordsBy(list.data(), list.count(), list.recordSize(), [](const void* a, const void* b) {
    const auto& x = *static_cast<const Candidate*>(a);
    const auto& y = *static_cast<const Candidate*>(b);
    if (BothKeyed(x, y)) return Ascending(x.reserved, y.reserved);
    return IdentityCompare(x, y, true);
  });
  const std::span<Candidate> records = Records<Candidate>(list);
  // Two keyed characters are the same candidate when their characters, the keys' upper halves, are.
  const auto same = [](const Candidate& x, const Candidate& y) {
    if (BothKeyed(x, y)) return x.reserved >> 16 == y.reserved >> 16;
    return IdentityCompare(x, y, false) == 0;
  };
  size_t kept = 0;
  for (size_t i = 0; i < records.size(); ++i) {
    if (kept == 0 || !same(records[kept - 1], records[i])) records[kept++] = records[i];
  }
  list.RemoveFrom(static_cast<int32_t>(kept));
  ClearKeys(Records<Candidate>(list));
}

void RankCandidates(base::GrowArray& list, bool bestOnly) {
  SetKeys(Records<Candidate>(list), [bestOnly](const Candidate& c) { return RankKey(c, bestOnly); });
  base::SortRecordsBy(list.data(), list.count(), list.recordSize(), [bestOnly](const void* a, const void* b) {
    const auto& x = *static_cast<const Candidate*>(a);
    const auto& y = *static_cast<const Candidate*>(b);
    if (BothKeyed(x, y)) return Descending(x.reserved, y.reserved);
    return RankCompare(x, y, bestOnly);
  });
  ClearKeys(Records<Candidate>(list));
}

}  // namespace kellavor::lexicon
