// In-place sort of fixed-size records with a three-way comparator (negative when a comes first).
// Not stable: records that compare equal may come in any order, but the order depends only on the
// records and the comparator's answers, so a comparator that answers alike sorts alike.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "ime/base/sorted_search.h"

namespace kellavor::base {
namespace sort_detail {

// Ranges this short are finished by binary insertion sort.
inline constexpr int32_t kInsertionSortLimit = 12;
// Pending ranges kept by the quicksort; a range that finds the stack full is finished by
// insertion sort. Pushing the larger half first keeps the depth logarithmic, so this is a guard.
inline constexpr int kMaxPendingRanges = 64;

// kSize: the record size when known at compile time (the moves of 16-byte candidates are then
// inlined), else 0 and the size is the one given.
template <typename Compare, size_t kSize>
class RecordRange {
 public:
  RecordRange(void* base, int32_t recordSize, const Compare& compare)
      : base_(static_cast<uint8_t*>(base)),
        size_(kSize != 0 ? kSize : static_cast<size_t>(recordSize)),
        compare_(compare),
        heapScratch_(size_ * 2 > sizeof(inlineScratch_) ? size_ * 2 : 0),
        scratch_(heapScratch_.empty() ? inlineScratch_ : heapScratch_.data()) {}

  size_t Size() const { return kSize != 0 ? kSize : size_; }
  uint8_t* At(int32_t i) const { return base_ + static_cast<size_t>(i) * Size(); }
  int CompareAt(const void* a, const void* b) const { return compare_(a, b); }

  void Swap(int32_t i, int32_t j) {
    if (i == j) return;
    std::memcpy(scratch_, At(i), Size());
    std::memcpy(At(i), At(j), Size());
    std::memcpy(At(j), scratch_, Size());
  }

  // Sorts [lo, hi] by inserting each record at the upper bound of the sorted records before it.
  void BinaryInsertionSort(int32_t lo, int32_t hi) {
    uint8_t* held = scratch_;
    for (int32_t k = lo + 1; k <= hi; ++k) {
      int32_t first = lo;
      int32_t last = k;
      while (first < last) {
        const int32_t mid = first + (last - first) / 2;
        if (CompareAt(At(k), At(mid)) < 0) {
          last = mid;
        } else {
          first = mid + 1;
        }
      }
      if (first == k) continue;
      std::memcpy(held, At(k), Size());
      std::memmove(At(first + 1), At(first), static_cast<size_t>(k - first) * Size());
      std::memcpy(At(first), held, Size());
    }
  }

  // Index of the median of records a, b and c.
  int32_t MedianOfThree(int32_t a, int32_t b, int32_t c) const {
    if (CompareAt(At(a), At(b)) < 0) {
      if (CompareAt(At(b), At(c)) < 0) return b;
      return CompareAt(At(a), At(c)) < 0 ? c : a;
    }
    if (CompareAt(At(a), At(c)) < 0) return a;
    return CompareAt(At(b), At(c)) < 0 ? c : b;
  }

  // Hoare partition of [lo, hi] around the median of the middle record and the two that lie
  // (length / 16) | 1 places before and after it. Leaves [lo, j] <= pivot <= [i, hi].
  void Partition(int32_t lo, int32_t hi, int32_t& outJ, int32_t& outI) {
    const int32_t length = hi - lo + 1;
    const int32_t mid = lo + length / 2;
    const int32_t spread = (length / 16) | 1;
    uint8_t* pivot = scratch_ + Size();
    std::memcpy(pivot, At(MedianOfThree(mid - spread, mid, mid + spread)), Size());
    int32_t i = lo;
    int32_t j = hi;
    // The scans are bounded by the range: a comparator that is not a strict weak order (ranking
    // rules that call some pairs equal across kinds) must not walk them out of it.
    while (i <= j) {
      while (i <= hi && CompareAt(At(i), pivot) < 0) ++i;
      while (j >= lo && CompareAt(At(j), pivot) > 0) --j;
      if (i <= j) {
        Swap(i, j);
        ++i;
        --j;
      }
    }
    outJ = j;
    outI = i;
  }

 private:
  uint8_t* base_;
  const size_t size_;
  const Compare& compare_;
  // One record for swaps and insertions, one for the pivot: in place for the small records the
  // searches sort many times per key, on the heap for larger ones.
  alignas(8) uint8_t inlineScratch_[64];
  std::vector<uint8_t> heapScratch_;
  uint8_t* scratch_;
};

struct PendingRange {
  int32_t lo;
  int32_t hi;
};

template <size_t kSize, typename Compare>
void SortRange(void* records, int32_t count, int32_t recordSize, const Compare& compare) {
  RecordRange<Compare, kSize> range(records, recordSize, compare);
  PendingRange pending[kMaxPendingRanges];
  int depth = 0;
  pending[depth++] = {0, count - 1};
  while (depth > 0) {
    const PendingRange current = pending[--depth];
    if (current.hi - current.lo + 1 <= kInsertionSortLimit || depth + 2 > kMaxPendingRanges) {
      range.BinaryInsertionSort(current.lo, current.hi);
      continue;
    }
    int32_t j = 0;
    int32_t i = 0;
    range.Partition(current.lo, current.hi, j, i);
    if (j >= current.hi || i <= current.lo) {
      // No progress (only an inconsistent comparator does this): finish the range safely.
      range.BinaryInsertionSort(current.lo, current.hi);
      continue;
    }
    PendingRange left{current.lo, j};
    PendingRange right{i, current.hi};
    if (left.hi - left.lo > right.hi - right.lo) std::swap(left, right);
    // The larger half waits; the smaller is taken next, which bounds the pending ranges.
    if (right.lo < right.hi) pending[depth++] = right;
    if (left.lo < left.hi) pending[depth++] = left;
  }
}

}  // namespace sort_detail

// compare(a, b) on record pointers, called in place (the searches sort thousands of candidates per
// key). Does nothing when recordSize is not positive or count is below 2.
template <typename Compare>
void SortRecordsBy(void* records, int32_t count, int32_t recordSize, const Compare& compare) {
  if (records == nullptr || recordSize <= 0 || count < 2) return;
  if (recordSize == 16) {
    sort_detail::SortRange<16>(records, count, recordSize, compare);
  } else {
    sort_detail::SortRange<0>(records, count, recordSize, compare);
  }
}

// The same with a comparator function and its context; does nothing when compare is null.
inline void SortRecords(void* records, int32_t count, int32_t recordSize, CompareFunction compare, void* context) {
  if (compare == nullptr) return;
  SortRecordsBy(records, count, recordSize, [&](const void* a, const void* b) { return compare(a, b, context); });
}

}  // namespace kellavor::base
