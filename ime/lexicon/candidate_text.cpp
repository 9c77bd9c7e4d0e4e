#include "ime/lexicon/candidate_text.h"

#include <algorithm>
#include <string>

#include "ime/lexicon/char_record.h"
#include "ime/lexicon/user_block.h"

namespace kellavor::lexicon {
namespace {

std::u16string_view CharacterText(uint32_t stored, char16_t (&scratch)[2]) {
  scratch[0] = static_cast<char16_t>(stored & 0xFFFF);
  scratch[1] = static_cast<char16_t>(stored >> 16);
  return {scratch, stored > 0xFFFF ? 2u : 1u};
}

std::u16string_view ZeroTerminated(const void* text) {
  const auto* units = static_cast<const char16_t*>(text);
  return {units, std::char_traits<char16_t>::length(units)};
}

// Both record kinds of the system dictionaries keep their text at byte 10.
constexpr size_t kDictionaryTextOffset = 10;

}  // namespace

std::u16string_view CandidateTextView(const Candidate& candidate, char16_t (&characterScratch)[2]) {
  if (candidate.entry == nullptr) return {};
  const auto* bytes = static_cast<const uint8_t*>(candidate.entry);
  switch (candidate.kind) {
    case candidate_kind::kSi:
      return CharacterText(static_cast<const CharRecord*>(candidate.entry)->character(), characterScratch);
    case candidate_kind::kPh:
      return ZeroTerminated(bytes + kDictionaryTextOffset);
    case candidate_kind::kUs: {
      const UserRecord record(bytes, LoadU16(bytes));
      return record.isSingleChar() ? CharacterText(record.character(), characterScratch) : record.text();
    }
    case candidate_kind::kSt:
    case candidate_kind::kSs:
      return ZeroTerminated(candidate.entry);
    default:
      return {};
  }
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
