#include "ime/base/grow_array.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <utility>

namespace kellavor::base {
namespace {

// One array's storage stays below 2 GiB, so record offsets fit 32 bits in both the 32- and the
// 64-bit module and an absurd capacity is refused instead of attempted.
constexpr int64_t kMaxStorageBytes = std::numeric_limits<int32_t>::max();

}  // namespace

GrowArray::~GrowArray() { std::free(data_); }

GrowArray::GrowArray(GrowArray&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      recordSize_(std::exchange(other.recordSize_, int16_t{0})),
      count_(std::exchange(other.count_, 0)),
      capacity_(std::exchange(other.capacity_, 0)),
      growStep_(std::exchange(other.growStep_, 0)) {}

GrowArray& GrowArray::operator=(GrowArray&& other) noexcept {
  if (this != &other) {
    std::free(data_);
    data_ = std::exchange(other.data_, nullptr);
    recordSize_ = std::exchange(other.recordSize_, int16_t{0});
    count_ = std::exchange(other.count_, 0);
    capacity_ = std::exchange(other.capacity_, 0);
    growStep_ = std::exchange(other.growStep_, 0);
  }
  return *this;
}

bool GrowArray::ResizeStorage(int32_t records) {
  const int64_t bytes = static_cast<int64_t>(records) * recordSize_;
  if (records < 0 || (records > 0 && recordSize_ <= 0) || bytes > kMaxStorageBytes) return false;
  if (bytes == 0) {
    std::free(data_);
    data_ = nullptr;
    return true;
  }
  void* resized = std::realloc(data_, static_cast<size_t>(bytes));
  if (resized == nullptr) return false;
  data_ = static_cast<uint8_t*>(resized);
  return true;
}

GrowArray& GrowArray::Init(int16_t recordSize, int32_t initialCapacity) {
  std::free(data_);
  data_ = nullptr;
  recordSize_ = recordSize;
  count_ = 0;
  capacity_ = growStep_ = std::max(initialCapacity, 0);
  if (!ResizeStorage(capacity_)) capacity_ = 0;
  return *this;
}

void GrowArray::Free() {
  std::free(data_);
  data_ = nullptr;
}

int GrowArray::SetCapacity(int32_t n) {
  if (n < 0 || recordSize_ <= 0 || IsFreed()) return kResultInvalidArgument;
  if (n > capacity_) {
    if (!ResizeStorage(n)) return kResultOutOfMemory;
  } else if (n < capacity_) {
    count_ = std::min(count_, n);
    // A failed shrink keeps the larger block, which still holds n records.
    ResizeStorage(n);
  }
  capacity_ = growStep_ = n;
  return kResultOk;
}

int GrowArray::InsertAt(const void* records, int32_t n, int32_t index) {
  if (n < 0 || index < 0 || index > count_ || (records == nullptr && n > 0) || recordSize_ <= 0 ||
      IsFreed()) {
    return kResultInvalidArgument;
  }
  if (n == 0) return kResultOk;
  const size_t size = static_cast<size_t>(recordSize_);
  const size_t insertBytes = static_cast<size_t>(n) * size;

  // Records taken from this array's own storage would move or be released below: set them
  // aside first.
  void* aside = nullptr;
  if (data_ != nullptr) {
    const auto* source = static_cast<const uint8_t*>(records);
    const uint8_t* storageEnd = data_ + static_cast<size_t>(capacity_) * size;
    if (std::less<const uint8_t*>()(source, storageEnd) &&
        std::less<const uint8_t*>()(data_, source + insertBytes)) {
      aside = std::malloc(insertBytes);
      if (aside == nullptr) return kResultOutOfMemory;
      std::memcpy(aside, records, insertBytes);
      records = aside;
    }
  }

  if (n > capacity_ - count_) {
    const int64_t grown = std::max(static_cast<int64_t>(capacity_) + growStep_,
                                   static_cast<int64_t>(count_) + n);
    if (grown > std::numeric_limits<int32_t>::max() || !ResizeStorage(static_cast<int32_t>(grown))) {
      std::free(aside);
      return kResultOutOfMemory;
    }
    capacity_ = static_cast<int32_t>(grown);
  }
  uint8_t* gap = data_ + static_cast<size_t>(index) * size;
  std::memmove(gap + insertBytes, gap, static_cast<size_t>(count_ - index) * size);
  std::memcpy(gap, records, insertBytes);
  count_ += n;
  std::free(aside);
  return kResultOk;
}

void GrowArray::RemoveAt(int32_t i) {
  if (i < 0 || i >= count_ || IsFreed()) return;
  const size_t size = static_cast<size_t>(recordSize_);
  uint8_t* removed = data_ + static_cast<size_t>(i) * size;
  std::memmove(removed, removed + size, static_cast<size_t>(count_ - i - 1) * size);
  --count_;
  if (capacity_ - count_ > growStep_) {
    capacity_ = count_ + growStep_;
    // A failed shrink keeps the larger block, which still holds the new capacity.
    ResizeStorage(capacity_);
  }
}

void GrowArray::RemoveAll() {
  if (count_ == 0 || IsFreed()) return;
  count_ = 0;
  if (capacity_ > growStep_) {
    capacity_ = growStep_;
    // A failed shrink keeps the larger block, which still holds the new capacity.
    ResizeStorage(capacity_);
  }
}

void GrowArray::RemoveFrom(int32_t first) {
  if (first < 0 || first >= count_ || IsFreed()) return;
  count_ = first;
  if (capacity_ - count_ > growStep_) {
    capacity_ = count_ + growStep_;
    // A failed shrink keeps the larger block, which still holds the new capacity.
    ResizeStorage(capacity_);
  }
}

int GrowArray::CopyFrom(const GrowArray& source) {
  if (&source == this) return kResultOk;
  std::free(data_);
  data_ = nullptr;
  recordSize_ = source.recordSize_;
  growStep_ = source.growStep_;
  count_ = capacity_ = 0;
  if (source.IsFreed()) return kResultInvalidArgument;
  if (!ResizeStorage(source.capacity_)) return kResultOutOfMemory;
  if (source.data_ != nullptr) {
    std::memcpy(data_, source.data_, static_cast<size_t>(source.capacity_) * static_cast<size_t>(recordSize_));
  }
  count_ = source.count_;
  capacity_ = source.capacity_;
  return kResultOk;
}

}  // namespace kellavor::base
