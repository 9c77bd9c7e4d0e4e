// Binary searches over an index read in place (IndexView or any sequence with size() and
// operator[]), under a comparator that tells where the key stands against the record an entry
// names: order(entry) < 0 when the key sorts before it, 0 when equal, > 0 after it.
#pragma once

#include <cstdint>

namespace kellavor::lexicon {

struct IndexRange {
  uint32_t first = 0;
  uint32_t last = 0;  // one past the last equal entry
};

// The first entry the key does not sort after.
template <typename Index, typename Order>
uint32_t LowerIndexBound(const Index& index, const Order& order) {
  uint32_t lo = 0;
  uint32_t hi = index.size();
  while (lo < hi) {
    const uint32_t mid = lo + (hi - lo) / 2;
    if (order(index[mid]) > 0) {
      lo = mid + 1;
    } else {
      hi = mid;
    }
  }
  return lo;
}

// The first entry the key sorts before.
template <typename Index, typename Order>
uint32_t UpperIndexBound(const Index& index, const Order& order) {
  uint32_t lo = 0;
  uint32_t hi = index.size();
  while (lo < hi) {
    const uint32_t mid = lo + (hi - lo) / 2;
    if (order(index[mid]) >= 0) {
      lo = mid + 1;
    } else {
      hi = mid;
    }
  }
  return lo;
}

// The entries equal to the key; empty (first == last) when there are none.
template <typename Index, typename Order>
IndexRange EqualIndexRange(const Index& index, const Order& order) {
  const uint32_t first = LowerIndexBound(index, order);
  if (first >= index.size() || order(index[first]) != 0) return {first, first};
  return {first, UpperIndexBound(index, order)};
}

}  // namespace kellavor::lexicon
