// Bounds arithmetic for untrusted header fields, done in 64 bits so that no sum wraps.
#pragma once

#include <cstddef>
#include <cstdint>

#include "ime/lexicon/dictionary_format.h"

namespace kellavor::lexicon {

// Whether count entries of entrySize bytes starting at offset lie inside a file of fileSize bytes.
constexpr bool FitsInFile(uint64_t offset, uint64_t count, uint64_t entrySize, uint64_t fileSize) {
  return offset <= fileSize && count * entrySize <= fileSize - offset;
}

// The first index entry not below limit, or count when there is none.
inline uint32_t FirstEntryNotBelow(const uint8_t* entries, uint32_t count, uint32_t limit) {
  for (uint32_t k = 0; k < count; ++k) {
    if (LoadU32(entries + 4 * static_cast<size_t>(k)) >= limit) return k;
  }
  return count;
}

}  // namespace kellavor::lexicon
