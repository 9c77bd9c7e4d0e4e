// Equal ranges in indexes read in place: two binary searches that read only the probed entries.
#pragma once

#include <cstdint>

namespace kellavor::lexicon {

struct KeyRange {
  uint32_t first = 0;
  uint32_t last = 0;  // one past the last entry

  bool empty() const { return first >= last; }
};

// The first entry k below count for which order(k) <= 0 (upper: < 0), where order(k) tells where
// the key stands against entry k: negative before it, 0 equal, positive after it; entries are
// ascending in k.
template <typename Order>
uint32_t KeyBound(uint32_t count, const Order& order, bool upper) {
  uint32_t low = 0;
  uint32_t high = count;
  while (low < high) {
    const uint32_t middle = low + (high - low) / 2;
    const int where = order(middle);
    if (where > 0 || (upper && where == 0)) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return low;
}

// The entries equal to the key; empty when there are none.
template <typename Order>
KeyRange EqualRangeBy(uint32_t count, const Order& order) {
  const uint32_t first = KeyBound(count, order, false);
  if (first == count || order(first) != 0) return {};
  return {first, KeyBound(count, order, true)};
}

// keyAt(k) is the key of entry k, ascending in k for k below count.
template <typename KeyAt>
KeyRange EqualKeyRange(uint32_t count, uint64_t key, const KeyAt& keyAt) {
  return EqualRangeBy(count, [&](uint32_t k) {
    const uint64_t probed = keyAt(k);
    return (key > probed) - (key < probed);
  });
}

}  // namespace kellavor::lexicon
