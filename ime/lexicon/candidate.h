// The 16-byte record of every candidate list: what a search found, borrowed from the memory that
// owns it (a mapped dictionary, the shared user block, the Lexicon's sentence buffer or the custom
// phrase table). A candidate stays valid until the next search.
#pragma once

#include <cstdint>

namespace kellavor::lexicon {

// Kind tags: two ASCII letters read as a 16-bit number, high byte first.
namespace candidate_kind {
inline constexpr uint16_t kSi = 0x5369;  // a CharRecord
inline constexpr uint16_t kPh = 0x5068;  // a PhraseRecord (pinyin) or a WordRecord (German)
inline constexpr uint16_t kUs = 0x5573;  // a record of the user dictionary
inline constexpr uint16_t kSt = 0x5374;  // the Lexicon's assembled sentence
inline constexpr uint16_t kSs = 0x5373;  // a zero-terminated custom phrase text
}  // namespace candidate_kind

struct Candidate {
  uint16_t kind = 0;
  uint8_t extent = 0;    // 0 is the best value; its meaning depends on the kind
  uint8_t consumed = 0;  // typed letters this candidate covers
  uint32_t reserved = 0;  // zero; the list sorts keep a sort key here while they run
  union {
    const void* entry;
    uint64_t entryBits = 0;  // keeps the record 16 bytes wide in 32-bit builds too
  };
};
static_assert(sizeof(Candidate) == 16, "candidate lists hold 16-byte records");

inline Candidate MakeCandidate(uint16_t kind, uint8_t extent, uint8_t consumed, const void* entry) {
  Candidate candidate;
  candidate.kind = kind;
  candidate.extent = extent;
  candidate.consumed = consumed;
  candidate.entry = entry;
  return candidate;
}

}  // namespace kellavor::lexicon
