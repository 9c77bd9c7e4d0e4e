#include "ime/lexicon/candidate_view.h"

#include <algorithm>

namespace kellavor::lexicon {

using namespace candidate_item_kind;

CandidateItem CandidateView::Item() const {
  char16_t scratch[2];
  const std::u16string_view text = Text(scratch);
  CandidateItem item;
  if (text.data() == scratch) {
    item.kind = text.size() == 2 ? kSurrogatePair : kOneUnit;
    item.units[0] = scratch[0];
    if (text.size() == 2) item.units[1] = scratch[1];
    return item;
  }
  // A zero unit always follows the text in the system dictionaries; a damaged user record may end
  // without one.
  bool zeroFollows = true;
  if (const UserRecord record = user(); record && !text.empty()) {
    const auto* zero = reinterpret_cast<const uint8_t*>(text.data() + text.size());
    zeroFollows = zero + 2 <= record.bytes() + record.length() && LoadU16(zero) == 0;
  }
  item.kind = kString;
  item.text = text.empty() || !zeroFollows ? u"" : text.data();
  return item;
}

size_t CandidateView::SyllableCodes(std::span<uint16_t> buffer, std::span<const uint16_t> sentenceSyllables) const {
  const auto put = [&](size_t count, const auto& syllableAt) {
    for (size_t i = 0; i < std::min(count, buffer.size()); ++i) buffer[i] = syllableAt(i);
    return count;
  };
  const auto one = [&](uint16_t syllable) { return put(1, [&](size_t) { return syllable; }); };
  if (entry_ == nullptr) return 0;
  switch (kind_) {
    case candidate_kind::kSi:
      return one(character()->syllable());
    case candidate_kind::kPh: {
      const PhraseRecord record = phrase();
      return put(record.syllableCount(), [&](size_t i) { return record.syllable(static_cast<uint32_t>(i)); });
    }
    case candidate_kind::kUs: {
      const UserRecord record = user();
      if (record.isSingleChar()) return one(record.syllable());
      return put(record.syllableCount(), [&](size_t i) { return record.syllableAt(static_cast<uint32_t>(i)); });
    }
    case candidate_kind::kSt:
      return put(sentenceSyllables.size(), [&](size_t i) { return sentenceSyllables[i]; });
    default:
      return 0;
  }
}

std::u16string_view CandidateView::WordExplanation() const {
  if (const WordRecord record = word()) return record.hint();
  if (const UserRecord record = user(); record && record.isGermanWord()) return record.hint();
  return {};
}

}  // namespace kellavor::lexicon
