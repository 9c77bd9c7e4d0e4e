#include "ime/lexicon/candidate_order.h"

#include <algorithm>
#include <string_view>

#include "ime/base/sort_records.h"
#include "ime/lexicon/candidate_text.h"
#include "ime/lexicon/char_record.h"
#include "ime/lexicon/record_lists.h"
#include "ime/lexicon/user_block.h"

namespace kellavor::lexicon {
namespace {

using namespace candidate_kind;

// Both record kinds behind Ph (pinyin phrases and German words) keep the frequency at byte 6.
constexpr size_t kDictionaryFrequencyOffset = 6;

const CharRecord& Char(const Candidate& c) { return *static_cast<const CharRecord*>(c.entry); }

uint32_t DictionaryFrequency(const Candidate& c) {
  return LoadU32(static_cast<const uint8_t*>(c.entry) + kDictionaryFrequencyOffset);
}

UserRecord User(const Candidate& c) {
  const auto* bytes = static_cast<const uint8_t*>(c.entry);
  return UserRecord(bytes, LoadU16(bytes));
}

std::u16string_view Text(const Candidate& c, char16_t (&scratch)[2]) { return CandidateTextView(c, scratch); }

int CompareTexts(const Candidate& a, const Candidate& b) {
  char16_t scratchA[2];
  char16_t scratchB[2];
  return Text(a, scratchA).compare(Text(b, scratchB));
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

// a: Si, b: Us.
int IdentitySiUs(const Candidate& a, const Candidate& b, bool tieBreak) {
  const UserRecord user = User(b);
  if (!user.isSingleChar()) return -1;
  const int order = Ascending(Char(a).character(), user.character());
  return order != 0 || !tieBreak ? order : 1;
}

// a: Ph, b: Us.
int IdentityPhUs(const Candidate& a, const Candidate& b, bool tieBreak) {
  if (User(b).isSingleChar()) return 1;
  const int order = CompareTexts(a, b);
  return order != 0 || !tieBreak ? order : 1;
}

int IdentityUsUs(const Candidate& a, const Candidate& b) {
  const UserRecord x = User(a);
  const UserRecord y = User(b);
  if (x.isSingleChar() != y.isSingleChar()) return FirstWhen(x.isSingleChar(), y.isSingleChar());
  if (x.isSingleChar()) return Ascending(x.character(), y.character());
  return x.text().compare(y.text());
}

constexpr std::u16string_view kPersonalCharacters = u"你您我他她它这那不";

size_t PersonalCharacters(const Candidate& c) {
  char16_t scratch[2];
  const std::u16string_view text = Text(c, scratch);
  return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char16_t unit) {
    return kPersonalCharacters.find(unit) != std::u16string_view::npos;
  }));
}

int RankPhPh(const Candidate& a, const Candidate& b, bool bestOnly) {
  if (const int order = FirstWhen(a.extent == 0, b.extent == 0)) return order;
  if (bestOnly) {
    if (const int order = Descending(PersonalCharacters(a), PersonalCharacters(b))) return order;
  }
  if (const int order = Ascending(a.extent, b.extent)) return order;
  return Descending(DictionaryFrequency(a), DictionaryFrequency(b));
}

int RankSiSi(const Candidate& a, const Candidate& b) {
  if (const int order = Descending(Char(a).charClass(), Char(b).charClass())) return order;
  return Descending(Char(a).frequency(), Char(b).frequency());
}

int RankUsUs(const Candidate& a, const Candidate& b) {
  const UserRecord x = User(a);
  const UserRecord y = User(b);
  if (x.isSingleChar() == y.isSingleChar()) {
    if (const int order = FirstWhen(a.extent == 0, b.extent == 0)) return order;
    if (const int order = Descending(x.useCount(), y.useCount())) return order;
    return Descending(x.baseFrequency(), y.baseFrequency());
  }
  if (const int order = Ascending(a.extent, b.extent)) return order;
  if (const int order = Descending(x.useCount(), y.useCount())) return order;
  return FirstWhen(x.isSingleChar(), y.isSingleChar());
}

// a: Ph, b: Us.
int RankPhUs(const Candidate& a, const Candidate& b) {
  const int order = Ascending(a.extent, b.extent);
  return order != 0 ? order : 1;
}

bool Known(const Candidate& c) { return (c.kind == kSi || c.kind == kPh || c.kind == kUs) && c.entry != nullptr; }

int CompareIdentities(const void* a, const void* b, void* context) {
  return IdentityCompare(*static_cast<const Candidate*>(a), *static_cast<const Candidate*>(b),
                         *static_cast<const bool*>(context));
}

int CompareRanks(const void* a, const void* b, void* context) {
  return RankCompare(*static_cast<const Candidate*>(a), *static_cast<const Candidate*>(b),
                     *static_cast<const bool*>(context));
}

}  // namespace

int IdentityCompare(const Candidate& a, const Candidate& b, bool tieBreak) {
  if (!Known(a) || !Known(b)) return 0;
  switch (a.kind) {
    case kSi:
      if (b.kind == kSi) {
        const int order = Ascending(Char(a).character(), Char(b).character());
        return order != 0 || !tieBreak ? order : Descending(Char(a).frequency(), Char(b).frequency());
      }
      return b.kind == kPh ? -1 : IdentitySiUs(a, b, tieBreak);
    case kPh:
      if (b.kind == kPh) {
        const int order = CompareTexts(a, b);
        return order != 0 || !tieBreak ? order : Descending(DictionaryFrequency(a), DictionaryFrequency(b));
      }
      return b.kind == kSi ? 1 : IdentityPhUs(a, b, tieBreak);
    default:
      if (b.kind == kUs) return IdentityUsUs(a, b);
      return b.kind == kSi ? -IdentitySiUs(b, a, tieBreak) : -IdentityPhUs(b, a, tieBreak);
  }
}

int RankCompare(const Candidate& a, const Candidate& b, bool bestOnly) {
  if (!Known(a) || !Known(b)) return 0;
  if (a.kind == b.kind) {
    if (a.kind == kPh) return RankPhPh(a, b, bestOnly);
    return a.kind == kSi ? RankSiSi(a, b) : RankUsUs(a, b);
  }
  if (a.kind == kSi) return 1;
  if (b.kind == kSi) return -1;
  return a.kind == kPh ? RankPhUs(a, b) : -RankPhUs(b, a);
}

void Deduplicate(base::GrowArray& list) {
  bool tieBreak = true;
  base::SortRecords(list.data(), list.count(), list.recordSize(), CompareIdentities, &tieBreak);
  const std::span<Candidate> records = Records<Candidate>(list);
  size_t kept = 0;
  for (size_t i = 0; i < records.size(); ++i) {
    if (kept == 0 || IdentityCompare(records[kept - 1], records[i], false) != 0) records[kept++] = records[i];
  }
  while (static_cast<size_t>(list.count()) > kept) list.RemoveAt(list.count() - 1);
}

void RankCandidates(base::GrowArray& list, bool bestOnly) {
  base::SortRecords(list.data(), list.count(), list.recordSize(), CompareRanks, &bestOnly);
}

}  // namespace kellavor::lexicon
