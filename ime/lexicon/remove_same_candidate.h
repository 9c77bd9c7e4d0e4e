// Keeps a custom phrase from showing twice when a dictionary or learned entry has the same text.
#pragma once

#include <string_view>

#include "ime/base/grow_array.h"

namespace kellavor::lexicon {

// How far into the candidate list a same-text candidate is looked for.
inline constexpr int32_t kSameCandidateWindow = 20;

// Removes the first candidate among the first kSameCandidateWindow of the list (a GrowArray of
// Candidate records) whose text equals text, whatever its kind. True when one was removed. An
// empty text matches nothing.
bool RemoveSameCandidate(base::GrowArray& candidates, std::u16string_view text);

}  // namespace kellavor::lexicon
