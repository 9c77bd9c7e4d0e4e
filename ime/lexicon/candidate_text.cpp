#include "ime/lexicon/candidate_text.h"

#include <algorithm>

#include "ime/lexicon/candidate_view.h"

namespace kellavor::lexicon {

std::u16string_view CandidateTextView(const Candidate& candidate, char16_t (&characterScratch)[2]) {
  return CandidateView(candidate).Text(characterScratch);
}

size_t CandidateText(const Candidate& candidate, char16_t* buffer, size_t capacity) {
  if (buffer == nullptr || capacity == 0) return 0;
  std::fill(buffer, buffer + capacity, u'\0');
  char16_t scratch[2];
  const std::u16string_view text = CandidateTextView(candidate, scratch);
  const size_t n = std::min(text.size(), capacity - 1);
  std::copy_n(text.data(), n, buffer);
  return n;
}

}  // namespace kellavor::lexicon
