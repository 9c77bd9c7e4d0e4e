#include "ime/lexicon/kept_ranking.h"

#include <algorithm>

#include "ime/lexicon/record_lists.h"

namespace kellavor::lexicon {
namespace {

constexpr uint32_t kNumberLimit = 1u << 24;
constexpr uint32_t kFieldLimit = 16;
// Characters unpacked at a time before they are appended.
constexpr size_t kBatch = 64;

}  // namespace

void KeptRanking::Keep(std::span<const Candidate> list, const SystemDictionaries& dictionaries) {
  characters_.clear();
  candidates_.clear();
  const CharRecord* first = dictionaries.CharRecordAt(0);
  const uint32_t count = std::min(dictionaries.CharRecordCount(), kNumberLimit);
  for (const Candidate& candidate : list) {
    const auto* record = static_cast<const CharRecord*>(candidate.entry);
    const bool packs = candidate.kind == candidate_kind::kSi && first != nullptr && record >= first &&
                       record < first + count && dictionaries.CharRecordAt(static_cast<uint32_t>(record - first)) == record &&
                       candidate.extent < kFieldLimit && candidate.consumed < kFieldLimit && candidate.reserved == 0;
    if (!packs) {
      characters_.clear();
      candidates_.assign(list.begin(), list.end());
      return;
    }
    characters_.push_back(static_cast<uint32_t>(record - first) << 8 | uint32_t{candidate.extent} << 4 |
                          candidate.consumed);
  }
}

void KeptRanking::AppendTo(base::GrowArray& out, const SystemDictionaries& dictionaries) const {
  if (characters_.empty()) {
    AppendAll<Candidate>(out, candidates_);
    return;
  }
  Candidate batch[kBatch];
  for (size_t at = 0; at < characters_.size(); at += kBatch) {
    const size_t n = std::min(kBatch, characters_.size() - at);
    for (size_t k = 0; k < n; ++k) {
      const uint32_t packed = characters_[at + k];
      batch[k] = MakeCandidate(candidate_kind::kSi, static_cast<uint8_t>(packed >> 4 & 0xF),
                               static_cast<uint8_t>(packed & 0xF), dictionaries.CharRecordAt(packed >> 8));
    }
    AppendAll<Candidate>(out, std::span<const Candidate>(batch, n));
  }
}

}  // namespace kellavor::lexicon
