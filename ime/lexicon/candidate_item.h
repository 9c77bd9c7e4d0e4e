// What the candidate window shows for one candidate: a character kept in the item itself, or a
// pointer to a zero-terminated text in the memory the candidate borrows, and an optional hint.
#pragma once

#include <cstdint>
#include <string_view>

#include "ime/lexicon/candidate.h"

namespace kellavor::lexicon {

namespace candidate_item_kind {
inline constexpr int32_t kOneUnit = 0;
inline constexpr int32_t kSurrogatePair = 1;
inline constexpr int32_t kString = 2;
}  // namespace candidate_item_kind

struct CandidateItem {
  int32_t kind = candidate_item_kind::kOneUnit;
  union {
    char16_t units[4] = {};  // kinds 0 and 1: the unit or the two units of the pair, zero-padded
    const char16_t* text;    // kind 2: a zero-terminated text owned by someone else
  };
  const char16_t* hint = nullptr;  // zero-terminated, or null

  std::u16string_view Text() const;
};

// The item of a candidate (CandidateView::Item), its text chosen as CandidateText chooses it; the
// hint is left empty (the caller fills it for German words).
CandidateItem DescribeCandidate(const Candidate& candidate);

}  // namespace kellavor::lexicon
