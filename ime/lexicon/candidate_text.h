// The text a candidate stands for, read from the entry it borrows.
#pragma once

#include <cstddef>
#include <string_view>

#include "ime/lexicon/candidate.h"

namespace kellavor::lexicon {

// Si: the character (one unit, or two for a surrogate pair); Ph: the phrase or German word; Us: the
// character or the text of the user record; St and Ss: the text the entry points to. Empty for an
// unknown kind or a missing entry. The view points into the entry's memory.
std::u16string_view CandidateTextView(const Candidate& candidate, char16_t (&characterScratch)[2]);

// The same text copied into buffer, zero-terminated (the buffer is cleared first); a text longer
// than capacity - 1 units is cut. Returns the number of units written.
size_t CandidateText(const Candidate& candidate, char16_t* buffer, size_t capacity);

}  // namespace kellavor::lexicon
