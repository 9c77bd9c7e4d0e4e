// The equal range of a key in an index whose entries are ordered by a key computed from each entry
// (the first letters of a record's syllables): two binary searches, reading only the probed entries.
#pragma once

#include <cstdint>

namespace kellavor::lexicon {

struct KeyRange {
  uint32_t first = 0;
  uint32_t last = 0;  // one past the last entry

  bool empty() const { return first >= last; }
};

// keyAt(k) is the key of entry k, ascending in k for k below count.
template <typename KeyAt>
KeyRange EqualKeyRange(uint32_t count, uint64_t key, const KeyAt& keyAt) {
  const auto firstNotBelow = [&](bool upper) {
    uint32_t low = 0;
    uint32_t high = count;
    while (low < high) {
      const uint32_t middle = low + (high - low) / 2;
      const uint64_t probed = keyAt(middle);
      if (probed < key || (upper && probed == key)) {
        low = middle + 1;
      } else {
        high = middle;
      }
    }
    return low;
  };
  const uint32_t first = firstNotBelow(false);
  if (first == count || keyAt(first) != key) return {};
  return {first, firstNotBelow(true)};
}

}  // namespace kellavor::lexicon
