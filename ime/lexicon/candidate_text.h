// The text a candidate stands for, read from the entry it borrows.
#pragma once

#include <cstddef>
#include <string_view>

#include "ime/lexicon/candidate.h"

namespace kellavor::lexicon {

// CandidateView::Text: the character (Si, or a single character of Us) in the scratch, any other
// text in the entry's memory; empty for an unknown kind or a missing entry.
std::u16string_view CandidateTextView(const Candidate& candidate, char16_t (&characterScratch)[2]);

// The same text copied into buffer, zero-terminated (the buffer is cleared first); a text longer
// than capacity - 1 units is cut. Returns the number of units written.
size_t CandidateText(const Candidate& candidate, char16_t* buffer, size_t capacity);

}  // namespace kellavor::lexicon
