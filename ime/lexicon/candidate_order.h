// The two orders of candidate lists: identity, which finds the candidates that stand for the same
// character or text so that only one of them is kept, and rank, the order the user sees.
#pragma once

#include "ime/base/grow_array.h"
#include "ime/lexicon/candidate.h"

namespace kellavor::lexicon {

// Negative when a sorts first. Characters by value and texts in code-unit order; single
// characters before phrases; St and Ss candidates are equal to everything. With tieBreak, of two
// equal entries the more frequent system record comes first, and a learned entry before the system
// entry it equals.
int IdentityCompare(const Candidate& a, const Candidate& b, bool tieBreak);

// Negative when a ranks first. Phrases whose syllable count matches the input lead (with bestOnly,
// those holding more of 你您我他她它这那不 first), learned entries win ties against dictionary
// phrases and always precede single characters, and single characters come last, by class and
// frequency.
int RankCompare(const Candidate& a, const Candidate& b, bool bestOnly);

// Keeps one candidate of every identity: the most frequent of several readings of one character,
// the learned entry over the system entry it equals. The list ends up in identity order.
void Deduplicate(base::GrowArray& list);

// Sorts the list by RankCompare. Not stable: candidates that rank equal come in any order.
void RankCandidates(base::GrowArray& list, bool bestOnly);

}  // namespace kellavor::lexicon
