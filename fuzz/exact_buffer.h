// A buffer kept from input to input that the address sanitizer treats as a fresh allocation of the
// size asked for: the bytes past that size are poisoned, so a read or write beyond it is reported
// as it would be beyond a new block. Large blocks allocated anew for every input cost the sanitizer
// a mapping, its page faults and its unmapping each time; this one stays mapped.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include <sanitizer/asan_interface.h>

namespace kellavor::fuzz {

class ExactBuffer {
 public:
  // size zeroed bytes, valid until the next call.
  uint8_t* Zeroed(size_t size) {
    if (size > capacity_) {
      storage_.reset(new uint8_t[size]);
      capacity_ = size;
    }
    ASAN_UNPOISON_MEMORY_REGION(storage_.get(), capacity_);
    std::memset(storage_.get(), 0, size);
    ASAN_POISON_MEMORY_REGION(storage_.get() + size, capacity_ - size);
    return storage_.get();
  }

 private:
  std::unique_ptr<uint8_t[]> storage_;
  size_t capacity_ = 0;
};

}  // namespace kellavor::fuzz
