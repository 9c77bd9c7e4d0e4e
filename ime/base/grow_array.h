// GrowArray: a contiguous block of fixed-size records that grows by a fixed step and gives
// storage back once more than one step of slack has built up after removals.
//
// Records are raw bytes moved with memcpy/memmove: a record type must be trivially copyable and
// must not point into itself. The array never owns what a record points to; an owner that keeps
// pointers in records frees them before it removes or clears those records.
//
// The array owns its storage: the destructor releases it like Free(). It moves but never copies
// implicitly; CopyFrom makes an explicit copy.
#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "ime/base/result_code.h"

namespace kellavor::base {

class GrowArray {
 public:
  GrowArray() = default;
  GrowArray(int16_t recordSize, int32_t initialCapacity) { Init(recordSize, initialCapacity); }
  ~GrowArray();
  GrowArray(GrowArray&& other) noexcept;
  GrowArray& operator=(GrowArray&& other) noexcept;
  GrowArray(const GrowArray&) = delete;
  GrowArray& operator=(const GrowArray&) = delete;

  // Empties the array (releasing any storage it held) and allocates room for initialCapacity
  // records; the step becomes initialCapacity too. When the storage cannot be allocated, or
  // recordSize is not positive, the array is empty with capacity 0 (the step is kept, so a later
  // insertion tries again).
  GrowArray& Init(int16_t recordSize, int32_t initialCapacity);

  // Releases the storage. count and capacity keep their values, so a freed array is only
  // destroyed or initialised again; other operations on it do nothing and report
  // kResultInvalidArgument.
  void Free();

  // Sets both capacity and step to n. Below the capacity the records beyond n are dropped and the
  // storage shrinks; above it the storage grows (kResultOutOfMemory leaves the array unchanged).
  int SetCapacity(int32_t n);

  // Inserts n records read from `records` so that the first becomes record `index`
  // (0 <= index <= count; index == count appends). When they do not fit, the capacity grows by
  // one step, or to count + n if a step is not enough. On kResultOutOfMemory the array is
  // unchanged. `records` may point into this array's own storage.
  int InsertAt(const void* records, int32_t n, int32_t index);

  // Address of record i. Not bounds-checked in release builds: callers stay below count (the
  // address at count, one past the last record, may be taken but not read).
  void* At(int32_t i) {
    assert(i >= 0 && i <= count_);
    return data_ + static_cast<int64_t>(i) * recordSize_;
  }
  const void* At(int32_t i) const {
    assert(i >= 0 && i <= count_);
    return data_ + static_cast<int64_t>(i) * recordSize_;
  }

  // Record i as a T, for arrays whose records are T: arr.At<Segment>(i).
  template <typename T>
  T& At(int32_t i) {
    static_assert(std::is_trivially_copyable_v<T>, "records are moved as raw bytes");
    assert(sizeof(T) == static_cast<size_t>(recordSize_));
    return *static_cast<T*>(At(i));
  }
  template <typename T>
  const T& At(int32_t i) const {
    static_assert(std::is_trivially_copyable_v<T>, "records are moved as raw bytes");
    assert(sizeof(T) == static_cast<size_t>(recordSize_));
    return *static_cast<const T*>(At(i));
  }

  // Removes record i; does nothing when i < 0 or i >= count. Afterwards, when capacity exceeds
  // count + step, the capacity falls to count + step and the storage shrinks to match.
  void RemoveAt(int32_t i);

  // Drops every record and keeps the storage, capacity and step: for a list that is refilled again
  // and again, which would otherwise give its storage back and take it again each time.
  void Clear() {
    if (!IsFreed()) count_ = 0;
  }

  // Makes this array a copy of source: record size, count, capacity, step and the whole storage.
  // When the storage cannot be allocated the result is kResultOutOfMemory and this array is empty
  // with capacity 0 (record size and step copied). Copying a freed array gives the same empty
  // array and kResultInvalidArgument.
  int CopyFrom(const GrowArray& source);

  void* data() { return data_; }
  const void* data() const { return data_; }
  int16_t recordSize() const { return recordSize_; }
  int32_t count() const { return count_; }
  int32_t capacity() const { return capacity_; }
  int32_t growStep() const { return growStep_; }

 private:
  bool IsFreed() const { return data_ == nullptr && capacity_ > 0; }
  // Makes the storage hold exactly `records` records, keeping its contents up to the smaller
  // size. False (storage untouched) when the allocation fails or would exceed the size limit.
  bool ResizeStorage(int32_t records);

  uint8_t* data_ = nullptr;
  int16_t recordSize_ = 0;
  int32_t count_ = 0;
  int32_t capacity_ = 0;
  int32_t growStep_ = 0;
};

}  // namespace kellavor::base
