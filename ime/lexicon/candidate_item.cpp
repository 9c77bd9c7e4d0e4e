#include "ime/lexicon/candidate_item.h"

#include "ime/lexicon/candidate_text.h"
#include "ime/lexicon/user_block.h"

namespace kellavor::lexicon {
namespace {

using namespace candidate_item_kind;

// Whether a zero unit follows the text in place, as kind 2 needs. It always does in the system
// dictionaries; a damaged user record may end without one.
bool ZeroFollows(const Candidate& candidate, std::u16string_view text) {
  if (candidate.kind != candidate_kind::kUs) return true;
  const auto* record = static_cast<const uint8_t*>(candidate.entry);
  const auto* end = record + LoadU16(record);
  const auto* zero = reinterpret_cast<const uint8_t*>(text.data() + text.size());
  return zero + 2 <= end && LoadU16(zero) == 0;
}

}  // namespace

std::u16string_view CandidateItem::Text() const {
  switch (kind) {
    case kOneUnit: return {units, 1};
    case kSurrogatePair: return {units, 2};
    default: return text != nullptr ? std::u16string_view(text) : std::u16string_view();
  }
}

CandidateItem DescribeCandidate(const Candidate& candidate) {
  char16_t scratch[2];
  const std::u16string_view text = CandidateTextView(candidate, scratch);
  CandidateItem item;
  if (text.data() == scratch) {
    item.kind = text.size() == 2 ? kSurrogatePair : kOneUnit;
    item.units[0] = scratch[0];
    if (text.size() == 2) item.units[1] = scratch[1];
    return item;
  }
  item.kind = kString;
  item.text = text.empty() || !ZeroFollows(candidate, text) ? u"" : text.data();
  return item;
}

}  // namespace kellavor::lexicon
