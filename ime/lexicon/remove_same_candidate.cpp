#include "ime/lexicon/remove_same_candidate.h"

#include <algorithm>

#include "ime/lexicon/candidate.h"
#include "ime/lexicon/candidate_text.h"

namespace kellavor::lexicon {

bool RemoveSameCandidate(base::GrowArray& candidates, std::u16string_view text) {
  if (text.empty() || candidates.recordSize() != static_cast<int16_t>(sizeof(Candidate))) return false;
  const int32_t window = std::min(candidates.count(), kSameCandidateWindow);
  for (int32_t i = 0; i < window; ++i) {
    char16_t scratch[2];
    if (CandidateTextView(candidates.At<Candidate>(i), scratch) == text) {
      candidates.RemoveAt(i);
      return true;
    }
  }
  return false;
}

}  // namespace kellavor::lexicon
