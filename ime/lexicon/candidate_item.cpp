#include "ime/lexicon/candidate_item.h"

#include "ime/lexicon/candidate_view.h"

namespace kellavor::lexicon {

using namespace candidate_item_kind;

std::u16string_view CandidateItem::Text() const {
  switch (kind) {
    case kOneUnit: return {units, 1};
    case kSurrogatePair: return {units, 2};
    default: return text != nullptr ? std::u16string_view(text) : std::u16string_view();
  }
}

CandidateItem DescribeCandidate(const Candidate& candidate) { return CandidateView(candidate).Item(); }

}  // namespace kellavor::lexicon
